<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Texts</name>
    <message numerus="yes">
        <source>There are %n empty slots; the drum has %1.</source>
        <translation>
            <numerusform>There is %n empty slot; the drum has %1.</numerusform>
            <numerusform>There are %n empty slots; the drum has %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Colour %1 (%2) has %n balls, it needs %3.</source>
        <translation>
            <numerusform>Colour %1 (%2) has %n ball, it needs %3.</numerusform>
            <numerusform>Colour %1 (%2) has %n balls, it needs %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is not a layout: it has %n characters, a layout has %1.</source>
        <translation>
            <numerusform>That is not a layout: it has %n character, a layout has %1.</numerusform>
            <numerusform>That is not a layout: it has %n characters, a layout has %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n moves; none shorter</source>
        <translation>
            <numerusform>%n move; none shorter</numerusform>
            <numerusform>%n moves; none shorter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq::solver_window::SolverWindow</name>
    <message numerus="yes">
        <source>Copied the solution&apos;s %n moves as digits.</source>
        <translation>
            <numerusform>Copied the solution&apos;s one move as a digit.</numerusform>
            <numerusform>Copied the solution&apos;s %n moves as digits.</numerusform>
        </translation>
    </message>
</context>
</TS>
