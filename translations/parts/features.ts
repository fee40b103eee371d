<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</TS>
