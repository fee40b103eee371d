<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>frm_chann</name>
    <message>
        <source>^Channel|^RX Frequency|^TX Frequency|^CTCSS/DCS Dec|^CTCSS/DCS Enc|^ TX Power |^  W/N  |^  Name  </source>
        <translation>^信道号|^接收频率(MHZ)|^发射频率(MHZ)|^QT/DQT解码|^QT/DQT编码|^发射功率|^信道带宽|^信道名称</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Channel Information [ Channel - </source>
        <translation>信道参数编辑 [ 信道 - </translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Over the range of receive frequency .</source>
        <translation>接收频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of transmit frequency .</source>
        <translation>发射频率超出范围 ！</translation>
    </message>
    <message>
        <source>Please input the receive frequency in advance.</source>
        <translation>请先输入接收频率 ！</translation>
    </message>
</context>
<context>
    <name>Form_Chann_Edit</name>
    <message>
        <source>Channel Edit</source>
        <translation>信道编辑</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Receive Frequency </source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Transmit Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>QT/DQT Decode</source>
        <translation>QT/DQT 解码</translation>
    </message>
    <message>
        <source>QT/DQT Encode</source>
        <translation>QT/DQT 编码</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>Wide/Narror</source>
        <translation>宽带/窄带</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>信道名称</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>声控发射</translation>
    </message>
    <message>
        <source>BCL</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>TX Stop</source>
        <translation>禁止发射</translation>
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
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>Over the range of receive frequency .</source>
        <translation>接收频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of Transmit frequency .</source>
        <translation>发射频率超出范围 ！</translation>
    </message>
</context>
</TS>
