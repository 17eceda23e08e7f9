<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>পুনরায় করুন(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>আটকান(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>পুনরায় করুন(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>আটকান(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
</context>
</TS>
