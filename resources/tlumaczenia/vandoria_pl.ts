<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<!-- Texts of Qt's print dialog that Qt's own Polish catalogue leaves in
     English (or half in English); loaded after it, so these win. -->
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Double Sided Printing</source>
        <translation>Druk dwustronny</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Zszywanie wzdłuż dłuższej krawędzi</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Zszywanie wzdłuż krótszej krawędzi</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Niektóre opcje wykluczają się wzajemnie. Popraw je.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dzień (od 06:00 do 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Noc (od 18:00 do 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druga zmiana (od 16:00 do 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Trzecia zmiana (od 00:00 do 07:59)</translation>
    </message>
</context>
</TS>
