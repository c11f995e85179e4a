<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tavoro::ui::InfoStrip</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
