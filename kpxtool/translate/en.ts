<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>KpxBuilder</name>
    <message>
        <source>14变量文件%1只有%2字节，缺少最高页面字段，未生成KPX文件！</source>
        <translation>The 14 variable file %1 has only %2 bytes and no highest page field; no KPX file was written.</translation>
    </message>
    <message>
        <source>第%1页的数据块起始于第%2字节，超出KPX页面索引可描述的范围（16777215），未生成KPX文件！</source>
        <translation>The block of page %1 would start at byte %2, beyond what the KPX page index can describe (16777215); no KPX file was written.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>KPX生成</source>
        <translation>KPX Tool</translation>
    </message>
    <message>
        <source>文件夹选择</source>
        <translation>Folder select</translation>
    </message>
    <message>
        <source>13触控文件是否存在</source>
        <translation>13 touch file exists</translation>
    </message>
    <message>
        <source>打开13触控文件</source>
        <translation>open 13 touch file</translation>
    </message>
    <message>
        <source>14变量文件是否存在</source>
        <translation>14 variable file exists</translation>
    </message>
    <message>
        <source>打开14变量文件</source>
        <translation>open 14 variable file</translation>
    </message>
    <message>
        <source>上电启动页面设置</source>
        <translation>Power on to launch page Settings</translation>
    </message>
    <message>
        <source>页面文件ID（RPL）</source>
        <translation>pagefile ID (RPL)</translation>
    </message>
    <message>
        <source>启动页面ID</source>
        <translation>launch page ID</translation>
    </message>
    <message>
        <source>触控伴音文件（ZVA）ID</source>
        <translation>Touch Audio file</translation>
    </message>
    <message>
        <source>蜂鸣器伴音</source>
        <translation>buzzer sounds</translation>
    </message>
    <message>
        <source>扬声器伴音</source>
        <translation>Speaker sound</translation>
    </message>
    <message>
        <source>静音模式</source>
        <translation>silent mode</translation>
    </message>
    <message>
        <source>伴音文件ID（ZVA）</source>
        <translation>Audio file ID(ZVA)</translation>
    </message>
    <message>
        <source>伴音ID</source>
        <translation>Audio ID</translation>
    </message>
    <message>
        <source>生成KPX文件</source>
        <translation>create KPX file</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>13文件未找到！</source>
        <translation>13 file no find</translation>
    </message>
    <message>
        <source>14文件未找到！</source>
        <translation>14 file no find</translation>
    </message>
    <message>
        <source>KPX文件生成完成！</source>
        <translation>create KPX file ok</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>KPX文件%1写入失败：%2</source>
        <translation>Cannot write the KPX file %1: %2</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>KPX工具</source>
        <translation>KPX Tool</translation>
    </message>
</context>
</TS>
