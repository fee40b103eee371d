<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Veltrona ZR271 series program software. </source>
        <translation>ZR271 系列对讲机编程软件</translation>
    </message>
    <message>
        <source>Ver1.2
Copyright (C) Veltrona Communication Co., Ltd. All rights reserved.</source>
        <translation>Ver1.2
版权所有 (C) Veltrona 通讯有限公司。保留所有权利。</translation>
    </message>
    <message>
        <source>This software is designed by Veltrona Communication Co., Ltd. for programming the ZR271 series two-way radios.</source>
        <translation>    本软件由 Veltrona 通讯有限公司设计，用于 ZR271 系列对讲机的编程。</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.</source>
        <translation>警告：本计算机程序受著作权法和国际条约保护。未经授权擅自复制或传播本程序或其中任何部分，将受到严厉的民事和刑事制裁，并将在法律许可的最大限度内受到起诉。</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>System Information(&amp;S)...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>Chann_Dialog</name>
    <message>
        <source>The drive %1 cannot be read.</source>
        <translation>无法读取驱动器 %1。</translation>
    </message>
</context>
<context>
    <name>Chann_File</name>
    <message>
        <source>Line %1 of the file %2 holds &quot;%3&quot;, which is not a number.</source>
        <translation>文件 %2 的第 %1 行是“%3”，不是数字。</translation>
    </message>
    <message>
        <source>Line %1 of the file %2 holds %3, which is not a whole number from 0 to 255.</source>
        <translation>文件 %2 的第 %1 行是 %3，不是 0 到 255 之间的整数。</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>无法读取文件 %1：%2</translation>
    </message>
    <message>
        <source>The file %1 is empty: a channel file holds 4096 numbers.</source>
        <translation>文件 %1 是空的：信道参数文件应有 4096 个数。</translation>
    </message>
    <message>
        <source>The file %1 ends at line %2 after %3 of the 4096 numbers.</source>
        <translation>文件 %1 在第 %2 行就结束了，4096 个数中只有 %3 个。</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2</source>
        <translation>无法打开文件 %1：%2</translation>
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
    <name>Form_Edit_Test</name>
    <message>
        <source>Radio Frequency</source>
        <translation>收音机编辑</translation>
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
        <source>^Radio Channel |^ Frequency (MHZ)</source>
        <translation>^收  音  频  道 |^    频      率  (MHZ) </translation>
    </message>
    <message>
        <source>Over the range of FM frequency .</source>
        <translation>收音机频率超出范围 ！</translation>
    </message>
</context>
<context>
    <name>Form_open_chann</name>
    <message>
        <source>Open Channcle File</source>
        <translation>打开信道参数文件</translation>
    </message>
    <message>
        <source>Drive:</source>
        <translation>驱动器：</translation>
    </message>
    <message>
        <source>Open File:</source>
        <translation>打开文件名：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确  定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取  消</translation>
    </message>
    <message>
        <source>Open the file name of channel parameter is nullity </source>
        <translation>打开信道参数文件名无效 </translation>
    </message>
    <message>
        <source>Nullity file suffix name of channel parameter.</source>
        <translation>无效的信道参数文件后缀名！</translation>
    </message>
    <message>
        <source>Nothing was loaded: the channel data are as they were.</source>
        <translation>未调入任何数据，信道参数保持原样。</translation>
    </message>
    <message>
        <source>Succeed fold the channel parameter from file.</source>
        <translation>信道参数从文件调入成功 ！</translation>
    </message>
</context>
<context>
    <name>Form_save_chann</name>
    <message>
        <source>Save Channel File</source>
        <translation>保存信道参数文件</translation>
    </message>
    <message>
        <source>Drive:</source>
        <translation>驱动器：</translation>
    </message>
    <message>
        <source>Save File:</source>
        <translation>保存文件名：</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确  定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取  消</translation>
    </message>
    <message>
        <source>Store the file name of channel parameter need is nullity. </source>
        <translation>保存信道参数所需要的文件名无效 </translation>
    </message>
    <message>
        <source>Advice don&apos;t modify file suffix name of system default ！</source>
        <translation>建议不要修改系统默认的文件后缀名！</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation>文件 %1 保存失败：%2</translation>
    </message>
    <message>
        <source>Nothing was written: a file of that name is as it was.</source>
        <translation>未写入任何数据，同名的原有文件保持原样。</translation>
    </message>
    <message>
        <source>Complete storing channel parameter.</source>
        <translation>信道参数保存完毕 ！</translation>
    </message>
</context>
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
    <name>Form_type</name>
    <message>
        <source>Model Select</source>
        <translation>机型选择</translation>
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
        <source>Model</source>
        <translation>机  型</translation>
    </message>
    <message>
        <source>Main band</source>
        <translation>主频段</translation>
    </message>
    <message>
        <source>Vice-band</source>
        <translation>副频段</translation>
    </message>
    <message>
        <source>Receive Enabled</source>
        <translation>接收允许</translation>
    </message>
</context>
<context>
    <name>Link_Engine</name>
    <message>
        <source>Read-write operating with transceiver .</source>
        <translation>正在与对讲机进行读写操作 ！</translation>
    </message>
    <message>
        <source>Read-write operating，don&apos;t close the window. ,</source>
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
    <name>MDImain</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Channel Information </source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Key Assignment</source>
        <translation>键设定</translation>
    </message>
    <message>
        <source>Scan Information</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF(双音多频)</translation>
    </message>
    <message>
        <source>FleetSync</source>
        <translation>FleetSync(队列同步)</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>收音机编辑</translation>
    </message>
    <message>
        <source>Embedded Message</source>
        <translation>嵌入信息</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>编程</translation>
    </message>
    <message>
        <source>Read from radio</source>
        <translation>从对讲机读取数据</translation>
    </message>
    <message>
        <source>Write to radio</source>
        <translation>向对讲机写入数据</translation>
    </message>
    <message>
        <source>Test Mode</source>
        <translation>Test Mode</translation>
    </message>
    <message>
        <source>Adjust</source>
        <translation>调整</translation>
    </message>
    <message>
        <source>Power Adjust</source>
        <translation>发射功率调整</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>  Version</source>
        <translation>软件版本</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Veltrona </source>
        <translation>Veltrona</translation>
    </message>
    <message>
        <source>Veltrona ZR271 series program software </source>
        <translation>Veltrona  ZR271 系列对讲机编程软件 </translation>
    </message>
</context>
<context>
    <name>Prompt</name>
    <message>
        <source>Operate prompt</source>
        <translation>操作提示</translation>
    </message>
</context>
<context>
    <name>RangeCheck</name>
    <message>
        <source>Receiving or transmitting frequency that frequency Mode out of frequency limitation range </source>
        <translation>频率模式下的接收或发射频率超出频率限制范围</translation>
    </message>
    <message>
        <source>Channel %1 that Receiving or transmitting frequency  out of frequency limitation range </source>
        <extracomment>%1 is the channel number; keep one blank on each side of it</extracomment>
        <translation>信道 %1 中的接收或发射频率超出频率限制范围</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
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
    <name>frm_option</name>
    <message>
        <source>Optional Features</source>
        <translation>可选参数</translation>
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
        <source>VOX</source>
        <comment>frame</comment>
        <translation>声控设置</translation>
    </message>
    <message>
        <source>Time Out Timer[Min]</source>
        <translation>超时定时器[分钟]</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>APO[Hour]</source>
        <translation>自动关机[小时]</translation>
    </message>
    <message>
        <source>Back Light</source>
        <translation>背光灯</translation>
    </message>
    <message>
        <source>Channel Disp Way</source>
        <translation>信道显示方式</translation>
    </message>
    <message>
        <source>Scans</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <source>KeyLock Mode</source>
        <translation>按键锁定模式</translation>
    </message>
    <message>
        <source>VOV Gain Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>VOX Delay Time[S]</source>
        <translation>声控延迟[秒]</translation>
    </message>
    <message>
        <source>Receiver When Radio Working</source>
        <translation>收音时允许接收</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>哔音</translation>
    </message>
    <message>
        <source>Manual set-up</source>
        <translation>手动设置</translation>
    </message>
    <message>
        <source>Roger</source>
        <translation>结束通话提示音</translation>
    </message>
    <message>
        <source>VOX Inhibit on Receive</source>
        <translation>接收时禁止声控</translation>
    </message>
    <message>
        <source>Work Mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>Frequncy</source>
        <comment>work mode</comment>
        <translation>频率模式</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>work mode</comment>
        <translation> 信道模式</translation>
    </message>
    <message>
        <source>Only Channel Mode</source>
        <translation>仅工作在信道模式</translation>
    </message>
    <message>
        <source>Frequncy Mode</source>
        <translation>频率模式</translation>
    </message>
    <message>
        <source>RX Frequncy(MHZ)</source>
        <translation>接收频率(MHZ)</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>INV</source>
        <translation>INV</translation>
    </message>
    <message>
        <source>Step(KHZ)</source>
        <translation>步进频率(KHZ)</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>频差方向</translation>
    </message>
    <message>
        <source>Offset Frequncy(MHZ) </source>
        <translation>频差频率(MHZ)</translation>
    </message>
    <message>
        <source>Wide / Narrow</source>
        <translation>宽带/窄带</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>VOX</source>
        <comment>switch</comment>
        <translation>声控</translation>
    </message>
    <message>
        <source>BCL</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>TX Stop</source>
        <translation>禁止发射</translation>
    </message>
    <message>
        <source>Frequncy Range</source>
        <translation>工作频率范围</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>开机</translation>
    </message>
    <message>
        <source>MsgMode</source>
        <translation>开机显示模式</translation>
    </message>
    <message>
        <source>PowerOn MSG</source>
        <translation>开机显示字符</translation>
    </message>
    <message>
        <source>Radio Password</source>
        <translation>对讲机密码</translation>
    </message>
    <message>
        <source>Password Pin</source>
        <translation>密码设置</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>back light</comment>
        <translation>自动</translation>
    </message>
    <message>
        <source>Cont</source>
        <translation>持续点亮</translation>
    </message>
    <message>
        <source>Frequncy</source>
        <comment>channel display</comment>
        <translation>频率</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>TO</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>CO</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Key&amp;UPDN</source>
        <translation>按键和上下键</translation>
    </message>
    <message>
        <source>PTTLock</source>
        <translation>PTT键</translation>
    </message>
    <message>
        <source>Key</source>
        <comment>key lock</comment>
        <translation>按键</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>加频</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>减频</translation>
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
        <source>Low</source>
        <translation>低功率</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>中功率</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高功率</translation>
    </message>
    <message>
        <source>DC</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>MSG</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Over the range of TX frequency .</source>
        <translation>发射频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of RX frequency .</source>
        <translation>接收频率超出范围 ！</translation>
    </message>
    <message>
        <source>Over the range of Offset frequency .</source>
        <translation>频差频率超出范围 ！</translation>
    </message>
    <message>
        <source>frequency of lower limit can&apos;t less than the lowest of work frequency. </source>
        <translation>下限频率不可小于本机最低工作频率</translation>
    </message>
    <message>
        <source>frequency of lower limit can&apos;t more than frequency of upper limit.</source>
        <translation>下限频率不可大于上限频率</translation>
    </message>
    <message>
        <source>frequency of upper limit can&apos;t more than the highest of work frequency. </source>
        <translation>上限频率不可大于本机最高工作频率</translation>
    </message>
    <message>
        <source>frequency of upper limit can&apos;t less than frequency of lower limit.</source>
        <translation>上限频率不可小于下限频率</translation>
    </message>
    <message>
        <source>Operate Prompt</source>
        <translation>操作提示</translation>
    </message>
    <message>
        <source>Password length is 4 digit.</source>
        <translation>效验码的有效长度为 4 位 ！</translation>
    </message>
</context>
</TS>
