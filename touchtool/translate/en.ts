<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>DlgNewPro</name>
    <message>
        <source>new project</source>
        <translation>new project</translation>
    </message>
    <message>
        <source>path</source>
        <translation>path</translation>
    </message>
    <message>
        <source>Tip: if there are project files in the selected directory,</source>
        <translation>Tip: if there are project files in the selected directory,</translation>
    </message>
    <message>
        <source>Open the project file directly</source>
        <translation>Open the project file directly</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>cancel</translation>
    </message>
    <message>
        <source>change project path</source>
        <translation>change project path</translation>
    </message>
    <message>
        <source>project path can't null</source>
        <translation>project path can't null</translation>
    </message>
    <message>
        <source>please select project</source>
        <translation>please select project</translation>
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
        <translation>image select</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>new</source>
        <translation>new</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>save</source>
        <translation>save</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>exit</translation>
    </message>
    <message>
        <source>hmi</source>
        <translation>hmi</translation>
    </message>
    <message>
        <source>cn</source>
        <translation>cn</translation>
    </message>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>load</source>
        <translation>load</translation>
    </message>
    <message>
        <source>current</source>
        <translation>current</translation>
    </message>
    <message>
        <source>head</source>
        <translation>head</translation>
    </message>
    <message>
        <source>copy</source>
        <translation>copy</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>paste</translation>
    </message>
    <message>
        <source>cut</source>
        <translation>cut</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>undo</translation>
    </message>
    <message>
        <source>redo</source>
        <translation>redo</translation>
    </message>
    <message>
        <source>zoomIn</source>
        <translation>zoomIn</translation>
    </message>
    <message>
        <source>zoomOut</source>
        <translation>zoomOut</translation>
    </message>
    <message>
        <source>select tool</source>
        <translation>select tool</translation>
    </message>
    <message>
        <source>rect tool</source>
        <translation>rect tool</translation>
    </message>
    <message>
        <source>right</source>
        <translation>right</translation>
    </message>
    <message>
        <source>left</source>
        <translation>left</translation>
    </message>
    <message>
        <source>vcenter</source>
        <translation>vcenter</translation>
    </message>
    <message>
        <source>hcenter</source>
        <translation>hcenter</translation>
    </message>
    <message>
        <source>top</source>
        <translation>top</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>height</source>
        <translation>height</translation>
    </message>
    <message>
        <source>width</source>
        <translation>width</translation>
    </message>
    <message>
        <source>width and height</source>
        <translation>width and height</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>edit</translation>
    </message>
    <message>
        <source>drawing</source>
        <translation>drawing</translation>
    </message>
    <message>
        <source>index</source>
        <translation>index</translation>
    </message>
    <message>
        <source>filename</source>
        <translation>filename</translation>
    </message>
    <message>
        <source>location</source>
        <translation>location</translation>
    </message>
    <message>
        <source>x:</source>
        <translation>x:</translation>
    </message>
    <message>
        <source>y:</source>
        <translation>y:</translation>
    </message>
    <message>
        <source>width:</source>
        <translation>width:</translation>
    </message>
    <message>
        <source>height:</source>
        <translation>height:</translation>
    </message>
    <message>
        <source>set</source>
        <translation>set</translation>
    </message>
    <message>
        <source>image to:</source>
        <translation>image to:</translation>
    </message>
    <message>
        <source>animation:</source>
        <translation>animation:</translation>
    </message>
    <message>
        <source>command:(0x00-0xFFFF)</source>
        <translation>command:(0x00-0xFFFF)</translation>
    </message>
    <message>
        <source>0x:</source>
        <translation>0x:</translation>
    </message>
    <message>
        <source>no project</source>
        <translation>no project</translation>
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
        <translation>text &quot;%1&quot; between elements is ignored</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number; read as 0</source>
        <translation>%1=&quot;%2&quot; is not a number; read as 0</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is outside %3 ... %4, which the file can hold</source>
        <translation>%1=&quot;%2&quot; is outside %3 ... %4, which the file can hold</translation>
    </message>
    <message>
        <source>unknown attribute %1 of %2 is ignored</source>
        <translation>unknown attribute %1 of %2 is ignored</translation>
    </message>
    <message>
        <source>unknown element %1 inside %2 is skipped</source>
        <translation>unknown element %1 inside %2 is skipped</translation>
    </message>
    <message>
        <source>unknown element %1 where a point is expected is skipped</source>
        <translation>unknown element %1 where a point is expected is skipped</translation>
    </message>
    <message>
        <source>unknown element %1 where a shape is expected is skipped</source>
        <translation>unknown element %1 where a shape is expected is skipped</translation>
    </message>
    <message>
        <source>a second canvas with key %1 replaces the one at line %2</source>
        <translation>a second canvas with key %1 replaces the one at line %2</translation>
    </message>
    <message>
        <source>unknown element %1 where a canvas is expected is skipped</source>
        <translation>unknown element %1 where a canvas is expected is skipped</translation>
    </message>
    <message>
        <source>content after the end of the root element is ignored</source>
        <translation>content after the end of the root element is ignored</translation>
    </message>
    <message>
        <source>%1; nothing from there on is read</source>
        <translation>%1; nothing from there on is read</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Lumo QV command set touch configuration generation tool</source>
        <translation>Lumo QV command set touch configuration generation tool</translation>
    </message>
</context>
<context>
    <name>TouchPages</name>
    <message>
        <source>Page %1, area at (%2, %3): </source>
        <translation>Page %1, area at (%2, %3): </translation>
    </message>
    <message>
        <source>the page number %1 cannot be stored. Pages with touch areas run from 0 to 65279 (0xFEFF): the field holds 16 bits, and a record starting with the byte FF is read as the end mark FF FF.</source>
        <translation>the page number %1 cannot be stored. Pages with touch areas run from 0 to 65279 (0xFEFF): the field holds 16 bits, and a record starting with the byte FF is read as the end mark FF FF.</translation>
    </message>
    <message>
        <source>the jump page %1 cannot be stored. Jump pages run from 0 to 32767, or -1 for none: the field holds 16 bits and is read back as a signed number.</source>
        <translation>the jump page %1 cannot be stored. Jump pages run from 0 to 32767, or -1 for none: the field holds 16 bits and is read back as a signed number.</translation>
    </message>
    <message>
        <source>the animation page %1 cannot be stored. Animation pages run from 0 to 32767, or -1 for none: the field holds 16 bits and is read back as a signed number.</source>
        <translation>the animation page %1 cannot be stored. Animation pages run from 0 to 32767, or -1 for none: the field holds 16 bits and is read back as a signed number.</translation>
    </message>
</context>
<context>
    <name>TouchWorkspace</name>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>image name error</source>
        <translation>image name error</translation>
    </message>
    <message>
        <source>create project</source>
        <translation>create project</translation>
    </message>
    <message>
        <source>project path don't exist</source>
        <translation>project path don't exist</translation>
    </message>
    <message>
        <source>open project</source>
        <translation>open project</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>Qt Drawing</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Cannot read file %1:
%2.</translation>
    </message>
    <message>
        <source>Project file %1 is damaged at line %2, column %3:
%4.
The pages read before that point are open.</source>
        <translation>Project file %1 is damaged at line %2, column %3:
%4.
The pages read before that point are open.</translation>
    </message>
    <message>
        <source>Some of project file %1 could not be read as it stands:
%2
The rest is open; saving writes what is open now.</source>
        <translation>Some of project file %1 could not be read as it stands:
%2
The rest is open; saving writes what is open now.</translation>
    </message>
    <message>
        <source>Lumo hmi config</source>
        <translation>Lumo hmi config</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Cannot write file %1:
%2.</translation>
    </message>
</context>
</TS>
