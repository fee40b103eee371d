<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Form_setup</name>
    <message>
        <source>Communication Port Setup</source>
        <translation>通讯端口设置</translation>
    </message>
    <message>
        <source>Port Setup</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确 定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取 消</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>不存在</translation>
    </message>
</context>
<context>
    <name>Link_Engine</name>
    <message>
        <source>Read-write operating with transceiver .</source>
        <translation>正在与对讲机进行读写操作 ！</translation>
    </message>
    <message>
        <source>Read-write operating，don't close the window. ,</source>
        <translation>正在进行读写操作,请勿关窗口 ！,</translation>
    </message>
    <message>
        <source>Communication fault.</source>
        <translation>与对讲机通讯故障 ！</translation>
    </message>
    <message>
        <source>Only members of the group &quot;%1&quot;, which owns %2, may use it. Add your user to that group (sudo usermod -aG %1 $USER) and log in again.</source>
        <translation>只有拥有 %2 的用户组“%1”的成员才能使用它。请把您的用户加入该组（sudo usermod -aG %1 $USER），然后重新登录。</translation>
    </message>
    <message>
        <source>COM%1 is not attached to any serial device.</source>
        <translation>COM%1 没有对应的串口设备。</translation>
    </message>
    <message>
        <source>COM%1 is %2: %3</source>
        <translation>COM%1 即 %2：%3</translation>
    </message>
    <message>
        <source>Communication port is error, please setting right communication port . ！</source>
        <translation>通讯端口打开错误，请正确设置通讯端口 ！</translation>
    </message>
    <message>
        <source>Fail connect with transceiver.</source>
        <translation>与对讲机联络失败 ！</translation>
    </message>
</context>
<context>
    <name>Form_Comm_Read</name>
    <message>
        <source>Read Data From Radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Connecting with transceiver. </source>
        <translation>正在与对讲机联络 ！</translation>
    </message>
    <message>
        <source>Reading %1 Data Block</source>
        <translation>正在读取 %1 数据块</translation>
    </message>
    <message>
        <source>Read Data in gear. </source>
        <translation>数据读出正常 ！</translation>
    </message>
    <message>
        <source>Complete reading the data from transceiver.</source>
        <translation>从对讲机中读取数据完毕 ！</translation>
    </message>
    <message>
        <source>Operate Prompt</source>
        <translation>操作提示</translation>
    </message>
</context>
<context>
    <name>Form_Comm_Write</name>
    <message>
        <source>Write Data to Radio</source>
        <translation>写数据到对讲机</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Connecting with transceiver. </source>
        <translation>正在与对讲机联络 ！</translation>
    </message>
    <message>
        <source>Writing  %1  Data Block</source>
        <translation>正在写入  %1  数据块</translation>
    </message>
    <message>
        <source>Complete writing Data </source>
        <translation>数据写入完毕 ！</translation>
    </message>
</context>
<context>
    <name>Form_Adjust_Txp</name>
    <message>
        <source>Power Adjust</source>
        <translation>发射功率调整</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Low Power</source>
        <translation>低功率</translation>
    </message>
    <message>
        <source>Mid Power</source>
        <translation>中功率</translation>
    </message>
    <message>
        <source>High Power</source>
        <translation>高功率</translation>
    </message>
</context>
</TS>
