<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>DlgNewPro</name>
    <message>
        <source>new project</source>
        <translation>新建工程</translation>
    </message>
    <message>
        <source>path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Tip: if there are project files in the selected directory,</source>
        <translation>提示：如果存在工程文件,</translation>
    </message>
    <message>
        <source>Open the project file directly</source>
        <translation>可直接打开工程文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>change project path</source>
        <translation>更改工程路径</translation>
    </message>
    <message>
        <source>project path can't null</source>
        <translation>工程路径不能为空</translation>
    </message>
    <message>
        <source>please select project</source>
        <translation>请选择工程</translation>
    </message>
</context>
<context>
    <name>DlgPreview</name>
    <message>
        <source>预览</source>
        <translation>preview</translation>
    </message>
</context>
<context>
    <name>DlgProRecord</name>
    <message>
        <source>打开记录</source>
        <translation>open record</translation>
    </message>
    <message>
        <source>最近打开的工程</source>
        <translation>recently opened projects</translation>
    </message>
    <message>
        <source>工程记录文件打开失败</source>
        <translation>the project record file could not be opened</translation>
    </message>
</context>
<context>
    <name>FrmPicSelect</name>
    <message>
        <source>image select</source>
        <translation>图片选择</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>LumoQV指令集触控配置生成工具v1.0</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>hmi</source>
        <translation>生成</translation>
    </message>
    <message>
        <source>cn</source>
        <translation>中/英</translation>
    </message>
    <message>
        <source>record</source>
        <translation>打开记录</translation>
    </message>
    <message>
        <source>load</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>current</source>
        <translation>当前页预览</translation>
    </message>
    <message>
        <source>head</source>
        <translation>首页预览</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>zoomIn</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>zoomOut</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>select tool</source>
        <translation>选择工具</translation>
    </message>
    <message>
        <source>rect tool</source>
        <translation>矩形工具</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>vcenter</source>
        <translation>垂直居中</translation>
    </message>
    <message>
        <source>hcenter</source>
        <translation>水平居中</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上对齐</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下对齐</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平等距</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>垂直等距</translation>
    </message>
    <message>
        <source>height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>width and height</source>
        <translation>相等</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>绘图</translation>
    </message>
    <message>
        <source>index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>filename</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>x:</source>
        <translation>x：</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y：</translation>
    </message>
    <message>
        <source>width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>image to:</source>
        <translation>页面切换：</translation>
    </message>
    <message>
        <source>animation:</source>
        <translation>按压效果：</translation>
    </message>
    <message>
        <source>command:(0x00-0xFFFF)</source>
        <translation>命令:(0x00-0xFFFF)</translation>
    </message>
    <message>
        <source>0x:</source>
        <translation>0x:</translation>
    </message>
    <message>
        <source>no project</source>
        <translation>未打开工程</translation>
    </message>
    <message>
        <source>读取工程记录文件打开失败</source>
        <translation>the project record file could not be opened for reading</translation>
    </message>
    <message>
        <source>保存工程记录文件打开失败</source>
        <translation>the project record file could not be opened for saving</translation>
    </message>
</context>
<context>
    <name>ProjectCheck</name>
    <message>
        <source>text &quot;%1&quot; between elements is ignored</source>
        <translation>元素之间的文字“%1”被忽略</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number; read as 0</source>
        <translation>%1=&quot;%2&quot; 不是数字，按 0 读入</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is outside %3 ... %4, which the file can hold</source>
        <translation>%1=&quot;%2&quot; 超出文件能存放的 %3 ... %4</translation>
    </message>
    <message>
        <source>unknown attribute %1 of %2 is ignored</source>
        <translation>%2 的未知属性 %1 被忽略</translation>
    </message>
    <message>
        <source>unknown element %1 inside %2 is skipped</source>
        <translation>%2 内的未知元素 %1 被跳过</translation>
    </message>
    <message>
        <source>unknown element %1 where a point is expected is skipped</source>
        <translation>应为 point 处的未知元素 %1 被跳过</translation>
    </message>
    <message>
        <source>unknown element %1 where a shape is expected is skipped</source>
        <translation>应为图形处的未知元素 %1 被跳过</translation>
    </message>
    <message>
        <source>a second canvas with key %1 replaces the one at line %2</source>
        <translation>键为 %1 的第二个 canvas 取代了第 %2 行的那个</translation>
    </message>
    <message>
        <source>unknown element %1 where a canvas is expected is skipped</source>
        <translation>应为 canvas 处的未知元素 %1 被跳过</translation>
    </message>
    <message>
        <source>content after the end of the root element is ignored</source>
        <translation>根元素结束之后的内容被忽略</translation>
    </message>
    <message>
        <source>%1; nothing from there on is read</source>
        <translation>%1；从该处起的内容均未读入</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行第 %2 列：%3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>另有 %n 处</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Lumo QV command set touch configuration generation tool</source>
        <translation>LumoQV指令集触控配置生成工具</translation>
    </message>
</context>
<context>
    <name>TouchPages</name>
    <message>
        <source>Page %1, area at (%2, %3): </source>
        <translation>第%1页，位于(%2, %3)的触控区域：</translation>
    </message>
    <message>
        <source>the page number %1 cannot be stored. Pages with touch areas run from 0 to 65279 (0xFEFF): the field holds 16 bits, and a record starting with the byte FF is read as the end mark FF FF.</source>
        <translation>页码%1无法保存。带触控区域的页码范围为0到65279（0xFEFF）：该字段为16位，且以字节FF开头的记录会被读作结束标记FF FF。</translation>
    </message>
    <message>
        <source>the jump page %1 cannot be stored. Jump pages run from 0 to 32767, or -1 for none: the field holds 16 bits and is read back as a signed number.</source>
        <translation>跳转页%1无法保存。跳转页范围为0到32767，或-1表示无：该字段为16位，读回时按有符号数处理。</translation>
    </message>
    <message>
        <source>the animation page %1 cannot be stored. Animation pages run from 0 to 32767, or -1 for none: the field holds 16 bits and is read back as a signed number.</source>
        <translation>动画页%1无法保存。动画页范围为0到32767，或-1表示无：该字段为16位，读回时按有符号数处理。</translation>
    </message>
</context>
<context>
    <name>TouchWorkspace</name>
    <message>
        <source>open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>image name error</source>
        <translation>张图片命名错误</translation>
    </message>
    <message>
        <source>create project</source>
        <translation>新建工程</translation>
    </message>
    <message>
        <source>project path don't exist</source>
        <translation>工程路径不存在</translation>
    </message>
    <message>
        <source>open project</source>
        <translation>打开工程</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>无法读取文件 %1:
%2.</translation>
    </message>
    <message>
        <source>Project file %1 is damaged at line %2, column %3:
%4.
The pages read before that point are open.</source>
        <translation>工程文件 %1 在第 %2 行第 %3 列处损坏：
%4。
已打开该处之前读到的页面。</translation>
    </message>
    <message>
        <source>Some of project file %1 could not be read as it stands:
%2
The rest is open; saving writes what is open now.</source>
        <translation>工程文件 %1 中有些内容未能照原样读入：
%2
其余内容已打开；保存会写下现在打开的样子。</translation>
    </message>
    <message>
        <source>Lumo hmi config</source>
        <translation>Lumo触控配置</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>无法写入文件 %1:
%2.</translation>
    </message>
</context>
</TS>
