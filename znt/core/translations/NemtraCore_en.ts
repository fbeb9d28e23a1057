<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<!-- English of the back end's texts, to be merged into the plugin's catalogue NemtraApp_en.ts. -->
<context>
    <name>NemtraBackend</name>
    <message>
        <source>Die Simulationsdaten konnten nicht geladen werden.</source>
        <translation>The simulation data could not be loaded.</translation>
    </message>
    <message>
        <source>Datei beinhalten nicht genügend Daten!</source>
        <translation>The file does not contain enough data!</translation>
    </message>
    <message>
        <source>Datei kann nicht für Simulation genutzt werden!</source>
        <translation>The file cannot be used for a simulation!</translation>
    </message>
</context>
<context>
    <name>NemtraConnectionManager</name>
    <message numerus="yes">
        <source>Das Gerät konnte nicht vollständig gelesen werden: %n Register wurden nicht geliefert.</source>
        <translation>
            <numerusform>The device could not be read completely: %n register was not delivered.</numerusform>
            <numerusform>The device could not be read completely: %n registers were not delivered.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nicht unterstützer Gerätetyp erkannt!</source>
        <translation>Unsupported device type detected!</translation>
    </message>
    <message>
        <source>Das Gerät hat das Lesen von Register %1 abgelehnt.</source>
        <translation>The device refused to read register %1.</translation>
    </message>
</context>
</TS>
