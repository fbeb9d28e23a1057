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
        <location filename="../../core/NemtraBackend.cpp" line="158"/>
        <source>Die Simulationsdaten konnten nicht geladen werden.</source>
        <translation>The simulation data could not be loaded.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="168"/>
        <source>Datei beinhalten nicht genügend Daten!</source>
        <translation>The file does not contain enough data!</translation>
    </message>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="173"/>
        <source>Datei kann nicht für Simulation genutzt werden!</source>
        <translation>The file cannot be used for a simulation!</translation>
    </message>
</context>
<context>
    <name>NemtraChannelDatablock</name>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="49"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="52"/>
        <source>Relative Feuchte</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="55"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="58"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="61"/>
        <source>Gaskonzentration CO2</source>
        <translation>Gas concentration CO2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="64"/>
        <source>Gaskonzentration NO2</source>
        <translation>Gas concentration NO2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="67"/>
        <source>Gaskonzentration Ozon</source>
        <translation>Gas concentration ozone</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="70"/>
        <source>Partikel PM10</source>
        <translation>Particles PM10</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="73"/>
        <source>Partikel PM2.5</source>
        <translation>Particles PM2.5</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="76"/>
        <source>Partikel PM1</source>
        <translation>Particles PM1</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="79"/>
        <source>Absoluter Druck</source>
        <translation>Absolute pressure</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="82"/>
        <source>Differenzdruck</source>
        <translation>Differential pressure</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="85"/>
        <source>Volumenstrom</source>
        <translation>Air flow</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="88"/>
        <source>Beleuchtungsstärke</source>
        <translation>Illuminance</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="91"/>
        <source>Raumbelegung</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="94"/>
        <source>Schalterzustand</source>
        <translation>Switch state</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="97"/>
        <source>Leakage</source>
        <translation>Leakage</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="100"/>
        <source>Counter High Byte</source>
        <translation>Counter high byte</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="103"/>
        <source>Counter Low Byte</source>
        <translation>Counter low byte</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="106"/>
        <source>Energielevel/Batteriewarnung</source>
        <translation>Energy level/battery warning</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="109"/>
        <source>Taster</source>
        <translation>Push button</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="112"/>
        <source>Analoger Eingang</source>
        <translation>Analogue input</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="115"/>
        <source>Widerstand - NTC</source>
        <translation>Resistor - NTC</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="118"/>
        <source>Sollwert</source>
        <translation>Set point</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="121"/>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
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
        <location filename="../../core/NemtraConnectionManager.cpp" line="240"/>
        <source>Das Gerät konnte nicht vollständig gelesen werden: %n Register wurden nicht geliefert.</source>
        <translation>
            <numerusform>The device could not be read completely: %n register was not delivered.</numerusform>
            <numerusform>The device could not be read completely: %n registers were not delivered.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../core/NemtraConnectionManager.cpp" line="354"/>
        <source>Nicht unterstützer Gerätetyp erkannt!</source>
        <translation>Unsupported device type detected!</translation>
    </message>
    <message>
        <location filename="../../core/NemtraConnectionManager.cpp" line="437"/>
        <source>Das Gerät hat das Lesen von Register %1 abgelehnt.</source>
        <translation>The device refused to read register %1.</translation>
    </message>
</context>
<context>
    <name>NemtraControls</name>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="35"/>
        <source>Occupancy (Nachlaufzeit)</source>
        <translation>Occupancy (follow-up time)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="36"/>
        <source>Occupancy (Toggle)</source>
        <translation>Occupancy (toggle)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="37"/>
        <source>Lüfterstufen</source>
        <translation>Fan stages</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="38"/>
        <source>Taster</source>
        <translation>Push button</translation>
    </message>
</context>
<context>
    <name>NemtraDisplayContainer</name>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="17"/>
        <source>Dummy</source>
        <translation>Dummy</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="53"/>
        <source>Rohwert (0 Nachkommastellen)</source>
        <translation>Raw value (0 decimals)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="54"/>
        <source>Rohwert (1 Nachkommastelle)</source>
        <translation>Raw value (1 decimal)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="55"/>
        <source>Rohwert (2 Nachkommastellen)</source>
        <translation>Raw value (2 decimals)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="56"/>
        <source>Rohwert (3 Nachkommastellen)</source>
        <translation>Raw value (3 decimals)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="57"/>
        <source>Rohwert (4 Nachkommastellen)</source>
        <translation>Raw value (4 decimals)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="60"/>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="69"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="61"/>
        <source>Feuchte</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="62"/>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="74"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="63"/>
        <source>Sollwert (Encoder)</source>
        <translation>Set point (encoder)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="64"/>
        <source>Externer Wert 1</source>
        <translation>External value 1</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="65"/>
        <source>Externer Wert 2</source>
        <translation>External value 2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="66"/>
        <source>Externer Wert 3</source>
        <translation>External value 3</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="67"/>
        <source>Externer Wert 4</source>
        <translation>External value 4</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="70"/>
        <source>Relative Feuchte</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="71"/>
        <source>Absolute Feuchte</source>
        <translation>Absolute humidity</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="72"/>
        <source>Enthalpie</source>
        <translation>Enthalpy</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="73"/>
        <source>Taupunkt</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="75"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="76"/>
        <source>CO2/VOC</source>
        <translation>CO2/VOC</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="77"/>
        <source>Luftdruck</source>
        <translation>Air pressure</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="78"/>
        <source>Solltemperatur</source>
        <translation>Set temperature</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="79"/>
        <source>Rohwert</source>
        <translation>Raw value</translation>
    </message>
</context>
<context>
    <name>NemtraExpertMode</name>
    <message>
        <location filename="../../containers/NemtraExpertMode.cpp" line="25"/>
        <source>Property already exists for Parameter: %1</source>
        <translation>Property already exists for Parameter: %1</translation>
    </message>
</context>
<context>
    <name>NemtraGatewayFilterModel</name>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="92"/>
        <source>ID %1:</source>
        <translation>ID %1:</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="94"/>
        <source>Packettype %1:</source>
        <translation>Packet type %1:</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="96"/>
        <source>Data %1</source>
        <translation>Data %1</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="98"/>
        <source>-- %1:</source>
        <translation>-- %1:</translation>
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
        <location filename="../../qml/Drawer/NemtraNavigationDesktop.qml" line="60"/>
        <source>NAVIGATION</source>
        <translation>NAVIGATION</translation>
    </message>
</context>
<context>
    <name>NemtraPopups</name>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="30"/>
        <source>Der Speichern Befehl konnte nicht gesendet werden.</source>
        <translation>The store command could not be sent.</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="47"/>
        <source>Timeout beim Verbindungsversuch!</source>
        <translation>Timeout while trying to connect!</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="68"/>
        <location filename="../../qml/General/NemtraPopups.qml" line="70"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="69"/>
        <source>Eine Änderung der Konfiguration wurde vorgenommen, für eine dauerhafte Änderung muss der Speichern Befehl ausgeführt werden!</source>
        <translation>The configuration has been changed; to keep the change permanently, the store command must be executed!</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="71"/>
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
<context>
    <name>NemtraTlfContainer</name>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>schwarz</source>
        <translation>black</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>gelb</source>
        <translation>yellow</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>blau</source>
        <translation>blue</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>türkis</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>weiß</source>
        <translation>white</translation>
    </message>
</context>
</TS>
