<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MenuTables</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>A text added after the catalogue was made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
