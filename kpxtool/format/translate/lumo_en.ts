<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>KpxBuilder</name>
    <message>
        <source>14变量文件%1只有%2字节，缺少最高页面字段，未生成KPX文件！</source>
        <translation>variable file '%1' is %2 bytes long; it needs at least %3 to hold the highest page number</translation>
    </message>
    <message>
        <source>第%1页的数据块起始于第%2字节，超出KPX页面索引可描述的范围（16777215），未生成KPX文件！</source>
        <translation>the block of page %1 would start at byte %2, past %3, the largest offset the page index can hold</translation>
    </message>
</context>
</TS>
