<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <name>Chann_Dialog</name>
    <message>
        <source>The drive %1 cannot be read.</source>
        <translation>无法读取驱动器 %1。</translation>
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
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
</TS>
