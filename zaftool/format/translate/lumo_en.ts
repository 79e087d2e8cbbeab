<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ZafWriter</name>
    <message>
        <source>第%1张图片（%2）：</source>
        <translation>font image %1 (%2): </translation>
    </message>
    <message>
        <source>未选择图片</source>
        <translation>no font image in the project</translation>
    </message>
    <message>
        <source>共有%1张图片，ZAF文件最多容纳1020张（从第%2张图片起放不下）</source>
        <translation>%1 font images, the icon-font file holds at most 1020 (font image %2 is the first that does not fit)</translation>
    </message>
    <message>
        <source>无法读取图片：%1</source>
        <translation>cannot read the picture: %1</translation>
    </message>
    <message>
        <source>缺少基线帧标记 FF C0（渐进式或损坏的JPEG图片）</source>
        <translation>no baseline start-of-frame marker FF C0 (progressive or damaged JPEG)</translation>
    </message>
    <message>
        <source>缺少扫描开始标记 FF DA（损坏的JPEG图片）</source>
        <translation>no start-of-scan marker FF DA (damaged JPEG)</translation>
    </message>
    <message>
        <source>标记超出图片末尾（损坏的JPEG图片）</source>
        <translation>a marker runs past the end of the picture (damaged JPEG)</translation>
    </message>
    <message>
        <source>扫描数据后缺少图片结束标记 FF D9（JPEG图片不完整）</source>
        <translation>no end-of-picture marker FF D9 after the scan data (truncated JPEG)</translation>
    </message>
    <message>
        <source>不以JPEG图片开始标记 FF D8 开头（不是JPEG图片或已损坏）</source>
        <translation>does not start with the start-of-image marker FF D8 (not a JPEG, or damaged)</translation>
    </message>
    <message>
        <source>处理后的图片有%1字节，必须小于16 MiB</source>
        <translation>the prepared picture has %1 bytes, it must be below 16 MiB</translation>
    </message>
    <message>
        <source>扫描数据从第%1字节开始，必须小于64 KiB</source>
        <translation>the scan data starts at byte %1, it must start below 64 KiB</translation>
    </message>
    <message>
        <source>文件达到%1字节，必须小于4 GiB</source>
        <translation>the file reaches %1 bytes, it must stay below 4 GiB</translation>
    </message>
    <message>
        <source>文件将有%1字节，超出内存中能生成的大小</source>
        <translation>the file would have %1 bytes, more than can be built in memory</translation>
    </message>
</context>
</TS>
