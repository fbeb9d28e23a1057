<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>MainLoRaApp</name>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="32"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>NavigationItems</name>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="24"/>
        <source>Verbindungsmanager</source>
        <translation>Connection manager</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="25"/>
        <source>Geräteinformationen</source>
        <translation>Device information</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="26"/>
        <source>Sensoreinstellungen</source>
        <translation>Sensor settings</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="27"/>
        <source>Ampelfunktion(TLF)</source>
        <translation>Traffic light (TLF)</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="28"/>
        <source>LED Funktion</source>
        <translation>LED function</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="29"/>
        <source>LoRaWAN Parameter</source>
        <translation>LoRaWAN parameters</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="30"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="31"/>
        <source>Bedienelemente</source>
        <translation>Controls</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="32"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="33"/>
        <source>Expert Mode</source>
        <translation>Expert mode</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="40"/>
        <source>Spracheinstellungen</source>
        <translation>Language settings</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="41"/>
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="42"/>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="49"/>
        <source>Kanal 1</source>
        <translation>Channel 1</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="50"/>
        <source>Kanal 2</source>
        <translation>Channel 2</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="51"/>
        <source>Kanal 3</source>
        <translation>Channel 3</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="52"/>
        <source>Kanal 4</source>
        <translation>Channel 4</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="55"/>
        <source>Anzeige 1</source>
        <translation>Display value 1</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="56"/>
        <source>Anzeige 2</source>
        <translation>Display value 2</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="57"/>
        <source>Anzeige 3</source>
        <translation>Display value 3</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="58"/>
        <source>Anzeige 4</source>
        <translation>Display value 4</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="60"/>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="65"/>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="66"/>
        <source>Gerät simulieren</source>
        <translation>Simulate device</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="70"/>
        <source>Messwerte</source>
        <translation>Measured values</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="81"/>
        <source>Taster 1</source>
        <translation>Button 1</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="83"/>
        <source>Taster 2</source>
        <translation>Button 2</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="86"/>
        <source>Inkrementalencoder</source>
        <translation>Incremental encoder</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="88"/>
        <source>Potentiometer</source>
        <translation>Potentiometer</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="97"/>
        <source>Transferlog</source>
        <translation>Transfer log</translation>
    </message>
</context>
<context>
    <name>NemtraBackend</name>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="200"/>
        <source>Die Simulationsdaten konnten nicht geladen werden.</source>
        <translation>The simulation data could not be loaded.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="210"/>
        <source>Datei beinhalten nicht genügend Daten!</source>
        <translation>The file does not contain enough data!</translation>
    </message>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="215"/>
        <source>Datei kann nicht für Simulation genutzt werden!</source>
        <translation>The file cannot be used for simulation!</translation>
    </message>
</context>
<context>
    <name>NemtraConnectPage</name>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="51"/>
        <source>VERBINDUNGSMANAGER</source>
        <translation>CONNECTION MANAGER</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="52"/>
        <source>Gerät wird simuliert</source>
        <translation>Device is simulated</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="53"/>
        <source>Gerät verbunden</source>
        <translation>Device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="54"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
</context>
<context>
    <name>NemtraConnectionManager</name>
    <message numerus="yes">
        <location filename="../../core/NemtraConnectionManager.cpp" line="244"/>
        <location filename="../../core/NemtraConnectionManager.cpp" line="432"/>
        <source>Das Gerät konnte nicht vollständig gelesen werden: %n Register wurden nicht geliefert.</source>
        <translation>
            <numerusform>The device could not be read completely: %n register was not delivered.</numerusform>
            <numerusform>The device could not be read completely: %n registers were not delivered.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../core/NemtraConnectionManager.cpp" line="362"/>
        <source>Nicht unterstützer Gerätetyp erkannt!</source>
        <translation>Unsupported device type detected!</translation>
    </message>
    <message>
        <location filename="../../core/NemtraConnectionManager.cpp" line="447"/>
        <source>Das Gerät hat das Lesen von Register %1 abgelehnt.</source>
        <translation>The device refused to read register %1.</translation>
    </message>
</context>
<context>
    <name>NemtraInfoBar</name>
    <message>
        <location filename="../../qml/Ui/NemtraInfoBar.qml" line="24"/>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <location filename="../../qml/Ui/NemtraInfoBar.qml" line="34"/>
        <source>Die ZNT-Geräte können über die USB-Schnittstelle konfiguriert werden – es wird lediglich ein handelsübliches USB-Kabel benötigt.</source>
        <translation>ZNT devices can be configured through their USB interface – all you need is a standard USB cable.</translation>
    </message>
</context>
<context>
    <name>NemtraNavigationDesktop</name>
    <message>
        <location filename="../../qml/Drawer/NemtraNavigationDesktop.qml" line="59"/>
        <source>NAVIGATION</source>
        <translation>NAVIGATION</translation>
    </message>
</context>
<context>
    <name>NemtraPopups</name>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="35"/>
        <source>Timeout beim Verbindungsversuch!</source>
        <translation>Timeout while trying to connect!</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="56"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="57"/>
        <source>Eine Änderung der Konfiguration wurde vorgenommen, für eine dauerhafte Änderung muss der Speichern Befehl ausgeführt werden!</source>
        <translation>The configuration has been changed; to keep the change permanently, the store command must be executed!</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="59"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>NemtraSerialConnectPage</name>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="13"/>
        <source>USB-Verbindung</source>
        <translation>USB connection</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="33"/>
        <source>Bitte einen Anschluss wählen oder einen Pfad eingeben.</source>
        <translation>Please choose a port or enter a path.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="37"/>
        <source>Unter %1 wurde kein Anschluss gefunden.</source>
        <translation>No port was found at %1.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="89"/>
        <source>COM-Port</source>
        <translation>COM port</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="121"/>
        <source>Aktualisieren</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="135"/>
        <source>Timeout</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="145"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="152"/>
        <source>Wiederholungen</source>
        <translation>Retries</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="183"/>
        <source>Trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="183"/>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
</context>
<context>
    <name>NemtraSimulatePopup</name>
    <message>
        <location filename="../../qml/Connect/NemtraSimulatePopup.qml" line="14"/>
        <source>Gerät simulieren</source>
        <translation>Simulate device</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSimulatePopup.qml" line="15"/>
        <source>Welches Gerät soll simuliert werden?</source>
        <translation>Which device shall be simulated?</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSimulatePopup.qml" line="17"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
