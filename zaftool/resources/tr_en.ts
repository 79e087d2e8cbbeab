<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>DlgNewPro</name>
    <message>
        <source>已有工程目录</source>
        <translation>existing folder</translation>
    </message>
    <message>
        <source>打开工程文件</source>
        <translation>open project</translation>
    </message>
    <message>
        <source>打开已有工程，请点击"已有工程目录"按钮</source>
        <translation>open project, click "existing folder" button</translation>
    </message>
    <message>
        <source>提示：</source>
        <translation>reminder</translation>
    </message>
    <message>
        <source>新工程目录</source>
        <translation>new folder</translation>
    </message>
    <message>
        <source>新建工程，请点击"新工程目录"按钮</source>
        <translation>new project,click "new folder" button</translation>
    </message>
    <message>
        <source>目录选择</source>
        <translation>path select</translation>
    </message>
    <message>
        <source>选择工程目录</source>
        <translation>select project folder</translation>
    </message>
</context>
<context>
    <name>DrawView</name>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
    <message>
        <source>rect</source>
        <translation>rect</translation>
    </message>
    <message>
        <source>roundrect</source>
        <translation>roundrect</translation>
    </message>
</context>
<context>
    <name>FrmPropertyEdit</name>
    <message>
        <source>字符编辑</source>
        <translation>character edit</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>width:</translation>
    </message>
    <message>
        <source>旋转中心点X：</source>
        <translation>Center of rotation X:</translation>
    </message>
    <message>
        <source>旋转中心点Y：</source>
        <translation>Center of rotation Y:</translation>
    </message>
    <message>
        <source>键值(0x)：</source>
        <translation>key(0x):</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>height:</translation>
    </message>
</context>
<context>
    <name>GraphicsRectItem</name>
    <message>
        <source>rect</source>
        <translation>rect</translation>
    </message>
    <message>
        <source>roundrect</source>
        <translation>roundrect</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>      未选择工程</source>
        <translation>      no project</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;添加图片,建议使用黑色底,易于过滤背景&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Add image, black background is recommended, easy to filter background&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>filter</source>
        <translation>filter</translation>
    </message>
    <message>
        <source>key</source>
        <translation>key</translation>
    </message>
    <message>
        <source>rect</source>
        <translation>rect</translation>
    </message>
    <message>
        <source>roundrect</source>
        <translation>roundrect</translation>
    </message>
    <message>
        <source>secury</source>
        <translation>secury</translation>
    </message>
    <message>
        <source>size</source>
        <translation>size</translation>
    </message>
    <message>
        <source>上对齐</source>
        <translation>align up</translation>
    </message>
    <message>
        <source>下对齐</source>
        <translation>align down</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>save</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>close</translation>
    </message>
    <message>
        <source>创建工程文件夹</source>
        <translation>create project folder</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>delete</translation>
    </message>
    <message>
        <source>删除图片</source>
        <translation>delete picture</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>cut</translation>
    </message>
    <message>
        <source>加密模式</source>
        <translation>encrypt</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>undo</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>save as</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>align right</translation>
    </message>
    <message>
        <source>合并</source>
        <translation>merge</translation>
    </message>
    <message>
        <source>垂直居中</source>
        <translation>vertical center</translation>
    </message>
    <message>
        <source>垂直等距</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>copy</translation>
    </message>
    <message>
        <source>字体编号</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>字符编辑</source>
        <translation>character edit</translation>
    </message>
    <message>
        <source>宽度：</source>
        <translation>width:</translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>align left</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>open</translation>
    </message>
    <message>
        <source>打开了%1张图片</source>
        <translation>open %1 pictures</translation>
    </message>
    <message>
        <source>扫描</source>
        <translation>scan</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>remind</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>zoomin</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>new</translation>
    </message>
    <message>
        <source>旋转中心点X：</source>
        <translation>Center of rotation X:</translation>
    </message>
    <message>
        <source>旋转中心点Y：</source>
        <translation>Center of rotation Y:</translation>
    </message>
    <message>
        <source>最前</source>
        <translation>bringToFront</translation>
    </message>
    <message>
        <source>最后</source>
        <translation>sendToBack</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>maximize</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>minimize</translation>
    </message>
    <message>
        <source>未选择图片</source>
        <translation>Unselected image</translation>
    </message>
    <message>
        <source>未选择字符</source>
        <translation>Unselected character</translation>
    </message>
    <message>
        <source>水平居中</source>
        <translation>horizontal center</translation>
    </message>
    <message>
        <source>水平等距</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>添加标准字体</source>
        <translation>add stand font</translation>
    </message>
    <message>
        <source>生成</source>
        <translation>generate</translation>
    </message>
    <message>
        <source>相等</source>
        <translation>equal</translation>
    </message>
    <message>
        <source>矩形工具</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>等宽</source>
        <translation>width</translation>
    </message>
    <message>
        <source>等高</source>
        <translation>height</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>paste</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>zoomout</translation>
    </message>
    <message>
        <source>背景过滤强度</source>
        <translation>filter</translation>
    </message>
    <message>
        <source>设置旋转点</source>
        <translation>Set rotation points</translation>
    </message>
    <message>
        <source>Lumo图标字库工具-v1.11</source>
        <translation>LUMO ZAF Tool-v1.11</translation>
    </message>
    <message>
        <source>选择工具</source>
        <translation>select</translation>
    </message>
    <message>
        <source>选择过多字符</source>
        <translation>Select too many characters</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>redo</translation>
    </message>
    <message>
        <source>键值(0x)：</source>
        <translation>key(0x):</translation>
    </message>
    <message>
        <source>高度：</source>
        <translation>height:</translation>
    </message>
</context>
<context>
    <name>Validation</name>
    <message>
        <source>键值冲突</source>
        <translation>key value conflict</translation>
    </message>
    <message>
        <source>第%1张图片 %2 键值冲突</source>
        <translation>iamge %1 and %2 key value conflict</translation>
    </message>
    <message>
        <source>重叠冲突</source>
        <translation>Overlapping conflict</translation>
    </message>
    <message>
        <source>第%1张图片，重叠冲突</source>
        <translation>%1 image，Overlapping conflict</translation>
    </message>
</context>
<context>
    <name>ZafWorkspace</name>
    <message>
        <source>提示</source>
        <translation>remind</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>save as</translation>
    </message>
    <message>
        <source>未选择图片</source>
        <translation>Unselected image</translation>
    </message>
    <message>
        <source>保存成功</source>
        <translation>save ok</translation>
    </message>
    <message>
        <source>Lumo ZAF</source>
        <translation>LUMO ZAF</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
    <message>
        <source>打开工程文件</source>
        <translation>open project</translation>
    </message>
    <message>
        <source>打开工程 %1:
%2.</source>
        <translation>open project %1:
%2.</translation>
    </message>
    <message>
        <source>工程文件 %1 在第%2行第%3列损坏：%4
只载入了损坏处之前的内容。</source>
        <translation>The project file %1 is damaged at line %2, column %3: %4
Only what comes before the damage was loaded.</translation>
    </message>
    <message>
        <source>工程文件 %1 中有些内容未能照原样载入：
%2
其余内容已载入；保存会写下现在载入的样子。</source>
        <translation>Some of the project file %1 could not be loaded as it stands:
%2
The rest is loaded; saving writes what is loaded now.</translation>
    </message>
    <message>
        <source>错误！</source>
        <translation>error!</translation>
    </message>
    <message>
        <source>扫描时加载图片失败！扫描的图片路径不能有中文！</source>
        <translation>Failed to load image while scanning! The scanned image path cannot have Chinese!</translation>
    </message>
    <message>
        <source>字体编号已用到65535，无法再添加标准字体</source>
        <translation>The font numbers are used up to 65535; no further standard font can be added</translation>
    </message>
    <message>
        <source>选择字体颜色</source>
        <translation>Select the font color</translation>
    </message>
    <message>
        <source>字体生成失败</source>
        <translation>new font faulst</translation>
    </message>
    <message>
        <source>字体生成成功</source>
        <translation>new font success</translation>
    </message>
    <message>
        <source>选择工程目录</source>
        <translation>select project folder</translation>
    </message>
    <message>
        <source>未能创建工程 %1:
%2.</source>
        <translation>create project error</translation>
    </message>
    <message>
        <source>请选择图片文件</source>
        <translation>select picture</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>文件数量错误</source>
        <translation>File number error</translation>
    </message>
    <message>
        <source>图片命名错误</source>
        <translation>name error</translation>
    </message>
    <message>
        <source>张图片因文件命名错误未打开</source>
        <translation>name error</translation>
    </message>
    <message>
        <source>图片解码错误</source>
        <translation>Picture decoding error</translation>
    </message>
    <message>
        <source>%1张图片无法解码，未添加：
%2</source>
        <translation>%1 pictures could not be decoded and were not added:
%2</translation>
    </message>
    <message>
        <source>无法写入文件 %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
    <message>
        <source>ZAF文件生成完成！</source>
        <translation>ZAF File generation completed</translation>
    </message>
</context>
<context>
    <name>ZafWriter</name>
    <message>
        <source>未选择图片</source>
        <translation>Unselected image</translation>
    </message>
    <message>
        <source>第%1张图片（%2）：</source>
        <translation>Font image %1 (%2): </translation>
    </message>
    <message>
        <source>共有%1张图片，ZAF文件最多容纳1020张（从第%2张图片起放不下）</source>
        <translation>%1 font images; a ZAF file holds at most 1020 (from font image %2 on they do not fit)</translation>
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
        <translation>the prepared picture has %1 bytes; it must be below 16 MiB</translation>
    </message>
    <message>
        <source>扫描数据从第%1字节开始，必须小于64 KiB</source>
        <translation>the scan data starts at byte %1; it must start below 64 KiB</translation>
    </message>
    <message>
        <source>文件达到%1字节，必须小于4 GiB</source>
        <translation>the file reaches %1 bytes; it must stay below 4 GiB</translation>
    </message>
    <message>
        <source>文件将有%1字节，超出内存中能生成的大小</source>
        <translation>the file would have %1 bytes, more than can be built in memory</translation>
    </message>
</context>
</TS>
