<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>信道 %1 中的接收或发射频率超出频率限制范围</translation>
    </message>
</context>
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
</TS>
