<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small module the build makes with tarvik_add_language_module. -->
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Tarvik</name>
    <message>
        <source>1.14</source>
        <comment>1</comment>
        <translation>1.14</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <comment>105</comment>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>inches</source>
        <comment>6130</comment>
        <translation type="unfinished">pollici</translation>
    </message>
</context>
</TS>
