<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>LoraTestGeneral</name>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="13"/>
        <source>Manuelles Senden und Lesen</source>
        <translation>Manuelles Senden und Lesen</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="27"/>
        <source>Zuletzt Gesendet:</source>
        <translation>Zuletzt Gesendet:</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="38"/>
        <source>Zuletzt Empfangen:</source>
        <translation>Zuletzt Empfangen:</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="86"/>
        <source>Request</source>
        <translation>Request</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="103"/>
        <source>Request Holding:</source>
        <translation>Request Holding:</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="111"/>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="136"/>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="161"/>
        <source>Reg. [hex]</source>
        <translation>Reg. [hex]</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="119"/>
        <source>Anzahl</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="128"/>
        <source>Write Single Holding:</source>
        <translation>Write Single Holding:</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="143"/>
        <source>Wert [hex]</source>
        <translation>Wert [hex]</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="152"/>
        <source>Write Multi Holding:</source>
        <translation>Write Multi Holding:</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestGeneral.qml" line="169"/>
        <source>Werte [hex], z. B. 1 A2 FFFF</source>
        <translation>Werte [hex], z. B. 1 A2 FFFF</translation>
    </message>
</context>
<context>
    <name>LoraTestLog</name>
    <message>
        <location filename="../../qml/Test/LoraTestLog.qml" line="22"/>
        <source>Gesendet</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestLog.qml" line="23"/>
        <source>Empfangen</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestLog.qml" line="44"/>
        <source>Transferlog</source>
        <translation>Transferlog</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/Test/LoraTestLog.qml" line="52"/>
        <source>%n Einträge</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestLog.qml" line="58"/>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location filename="../../qml/Test/LoraTestLog.qml" line="129"/>
        <source>Noch keine Einträge</source>
        <translation>Noch keine Einträge</translation>
    </message>
</context>
<context>
    <name>LoraTestPage</name>
    <message>
        <location filename="../../qml/Test/LoraTestPage.qml" line="18"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>MainLoRaApp</name>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="37"/>
        <source>Ampelfunktion(TLF)</source>
        <translation>Ampelfunktion(TLF)</translation>
    </message>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="38"/>
        <source>LED Funktion</source>
        <translation>LED Funktion</translation>
    </message>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="39"/>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="40"/>
        <source>Test - Allgemein</source>
        <translation>Test - Allgemein</translation>
    </message>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="41"/>
        <source>Test - Transferlog</source>
        <translation>Test - Transferlog</translation>
    </message>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="42"/>
        <source>Über</source>
        <translation>Über</translation>
    </message>
    <message>
        <location filename="../../qml/MainLoRaApp.qml" line="79"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>NavigationItems</name>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="24"/>
        <source>Verbindungsmanager</source>
        <translation>Verbindungsmanager</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="25"/>
        <source>Geräteinformationen</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="26"/>
        <source>Sensoreinstellungen</source>
        <translation>Sensoreinstellungen</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="27"/>
        <source>Ampelfunktion(TLF)</source>
        <translation>Ampelfunktion(TLF)</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="28"/>
        <source>LED Funktion</source>
        <translation>LED Funktion</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="29"/>
        <source>LoRaWAN Parameter</source>
        <translation>LoRaWAN Parameter</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="30"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="31"/>
        <source>Bedienelemente</source>
        <translation>Bedienelemente</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="32"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="33"/>
        <source>Expert Mode</source>
        <translation>Expert Mode</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="40"/>
        <source>Spracheinstellungen</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="41"/>
        <source>Verbindung trennen</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="42"/>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="49"/>
        <source>Kanal 1</source>
        <translation>Kanal 1</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="50"/>
        <source>Kanal 2</source>
        <translation>Kanal 2</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="51"/>
        <source>Kanal 3</source>
        <translation>Kanal 3</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="52"/>
        <source>Kanal 4</source>
        <translation>Kanal 4</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="55"/>
        <source>Anzeige 1</source>
        <translation>Anzeige 1</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="56"/>
        <source>Anzeige 2</source>
        <translation>Anzeige 2</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="57"/>
        <source>Anzeige 3</source>
        <translation>Anzeige 3</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="58"/>
        <source>Anzeige 4</source>
        <translation>Anzeige 4</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="60"/>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="65"/>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="66"/>
        <source>Gerät simulieren</source>
        <translation>Gerät simulieren</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="70"/>
        <source>Messwerte</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="81"/>
        <source>Taster 1</source>
        <translation>Taster 1</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="83"/>
        <source>Taster 2</source>
        <translation>Taster 2</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="86"/>
        <source>Inkrementalencoder</source>
        <translation>Inkrementalencoder</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="88"/>
        <source>Potentiometer</source>
        <translation>Potentiometer</translation>
    </message>
    <message>
        <location filename="../../plugin/NemtraNavigationModel.cpp" line="97"/>
        <source>Transferlog</source>
        <translation>Transferlog</translation>
    </message>
</context>
<context>
    <name>NemtraAboutPage</name>
    <message>
        <location filename="../../qml/About/NemtraAboutPage.qml" line="12"/>
        <source>Über DAZuze</source>
        <translation>Über DAZuze</translation>
    </message>
    <message>
        <location filename="../../qml/About/NemtraAboutPage.qml" line="19"/>
        <source>Versionen</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <location filename="../../qml/About/NemtraAboutPage.qml" line="28"/>
        <source>ZNT-Plugin</source>
        <translation>ZNT-Plugin</translation>
    </message>
</context>
<context>
    <name>NemtraBackend</name>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="159"/>
        <source>Die Simulationsdaten konnten nicht geladen werden.</source>
        <translation>Die Simulationsdaten konnten nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="169"/>
        <source>Datei beinhalten nicht genügend Daten!</source>
        <translation>Datei beinhalten nicht genügend Daten!</translation>
    </message>
    <message>
        <location filename="../../core/NemtraBackend.cpp" line="174"/>
        <source>Datei kann nicht für Simulation genutzt werden!</source>
        <translation>Datei kann nicht für Simulation genutzt werden!</translation>
    </message>
</context>
<context>
    <name>NemtraChannelDatablock</name>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="49"/>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="52"/>
        <source>Relative Feuchte</source>
        <translation>Relative Feuchte</translation>
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
        <translation>Gaskonzentration CO2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="64"/>
        <source>Gaskonzentration NO2</source>
        <translation>Gaskonzentration NO2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="67"/>
        <source>Gaskonzentration Ozon</source>
        <translation>Gaskonzentration Ozon</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="70"/>
        <source>Partikel PM10</source>
        <translation>Partikel PM10</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="73"/>
        <source>Partikel PM2.5</source>
        <translation>Partikel PM2.5</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="76"/>
        <source>Partikel PM1</source>
        <translation>Partikel PM1</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="79"/>
        <source>Absoluter Druck</source>
        <translation>Absoluter Druck</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="82"/>
        <source>Differenzdruck</source>
        <translation>Differenzdruck</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="85"/>
        <source>Volumenstrom</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="88"/>
        <source>Beleuchtungsstärke</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="91"/>
        <source>Raumbelegung</source>
        <translation>Raumbelegung</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="94"/>
        <source>Schalterzustand</source>
        <translation>Schalterzustand</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="97"/>
        <source>Leakage</source>
        <translation>Leakage</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="100"/>
        <source>Counter High Byte</source>
        <translation>Counter High Byte</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="103"/>
        <source>Counter Low Byte</source>
        <translation>Counter Low Byte</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="106"/>
        <source>Energielevel/Batteriewarnung</source>
        <translation>Energielevel/Batteriewarnung</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="109"/>
        <source>Taster</source>
        <translation>Taster</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="112"/>
        <source>Analoger Eingang</source>
        <translation>Analoger Eingang</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="115"/>
        <source>Widerstand - NTC</source>
        <translation>Widerstand - NTC</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="118"/>
        <source>Sollwert</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraChannelDatablock.cpp" line="121"/>
        <source>Unbekannt</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>NemtraConfigPage</name>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="14"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="42"/>
        <source>Gerät auf Werkseinstellungen zurücksetzen? Gerät startet im Anschluss neu</source>
        <translation>Gerät auf Werkseinstellungen zurücksetzen? Gerät startet im Anschluss neu</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="44"/>
        <source>Diese Aktion wird einen Geräteneustart ausführen,  nicht gespeicherte Änderungen werden verloren gehen!</source>
        <translation>Diese Aktion wird einen Geräteneustart ausführen,  nicht gespeicherte Änderungen werden verloren gehen!</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="45"/>
        <source>Diese Aktion wird einen Geräteneustart ausführen!</source>
        <translation>Diese Aktion wird einen Geräteneustart ausführen!</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="57"/>
        <source>Batterie</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="63"/>
        <source>Batterietyp:</source>
        <translation>Batterietyp:</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="68"/>
        <source>Keine Batterie</source>
        <translation>Keine Batterie</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="68"/>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="68"/>
        <source>Alkaline</source>
        <translation>Alkaline</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="76"/>
        <source>Befehle</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="83"/>
        <source>Konfiguration zurücksetzen</source>
        <translation>Konfiguration zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="90"/>
        <source>Konfiguration speichern</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="96"/>
        <source>Geräteneustart</source>
        <translation>Geräteneustart</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraConfigPage.qml" line="102"/>
        <source>Service Uplink auslösen</source>
        <translation>Service Uplink auslösen</translation>
    </message>
</context>
<context>
    <name>NemtraConnectPage</name>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="51"/>
        <source>VERBINDUNGSMANAGER</source>
        <translation>VERBINDUNGSMANAGER</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="52"/>
        <source>Gerät wird simuliert</source>
        <translation>Gerät wird simuliert</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="53"/>
        <source>Gerät verbunden</source>
        <translation>Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraConnectPage.qml" line="54"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
</context>
<context>
    <name>NemtraConnectionManager</name>
    <message numerus="yes">
        <location filename="../../core/NemtraConnectionManager.cpp" line="244"/>
        <source>Das Gerät konnte nicht vollständig gelesen werden: %n Register wurden nicht geliefert.</source>
        <translation>
            <numerusform>Das Gerät konnte nicht vollständig gelesen werden: %n Register wurde nicht geliefert.</numerusform>
            <numerusform>Das Gerät konnte nicht vollständig gelesen werden: %n Register wurden nicht geliefert.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../core/NemtraConnectionManager.cpp" line="358"/>
        <source>Nicht unterstützer Gerätetyp erkannt!</source>
        <translation>Nicht unterstützer Gerätetyp erkannt!</translation>
    </message>
    <message>
        <location filename="../../core/NemtraConnectionManager.cpp" line="441"/>
        <source>Das Gerät hat das Lesen von Register %1 abgelehnt.</source>
        <translation>Das Gerät hat das Lesen von Register %1 abgelehnt.</translation>
    </message>
</context>
<context>
    <name>NemtraControlButton</name>
    <message>
        <location filename="../../qml/Controls/NemtraControlButton.qml" line="14"/>
        <location filename="../../qml/Controls/NemtraControlButton.qml" line="49"/>
        <source>TASTER %1</source>
        <translation>TASTER %1</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlButton.qml" line="56"/>
        <source>Taster %1 modus:</source>
        <translation>Taster %1 modus:</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlButton.qml" line="67"/>
        <source>Anzahl Lüfterstufen:</source>
        <translation>Anzahl Lüfterstufen:</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlButton.qml" line="74"/>
        <source>Niedrigste LüfterStufe</source>
        <translation>Niedrigste LüfterStufe</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlButton.qml" line="83"/>
        <source>Automatik LüfterStufe</source>
        <translation>Automatik LüfterStufe</translation>
    </message>
</context>
<context>
    <name>NemtraControlCommandPopup</name>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraControlCommandPopup.qml" line="8"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraControlCommandPopup.qml" line="9"/>
        <source>Fortsetzen</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <location filename="../../qml/GeneralConfig/NemtraControlCommandPopup.qml" line="10"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NemtraControls</name>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="35"/>
        <source>Occupancy (Nachlaufzeit)</source>
        <translation>Occupancy (Nachlaufzeit)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="36"/>
        <source>Occupancy (Toggle)</source>
        <translation>Occupancy (Toggle)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="37"/>
        <source>Lüfterstufen</source>
        <translation>Lüfterstufen</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraControlsContainer.cpp" line="38"/>
        <source>Taster</source>
        <translation>Taster</translation>
    </message>
</context>
<context>
    <name>NemtraControlsIncrement</name>
    <message>
        <location filename="../../qml/Controls/NemtraControlsIncrement.qml" line="11"/>
        <source>INKREMENTALENCODER</source>
        <translation>INKREMENTALENCODER</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlsIncrement.qml" line="11"/>
        <source>POTENTIOMETER</source>
        <translation>POTENTIOMETER</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlsIncrement.qml" line="32"/>
        <source>Schrittweite:</source>
        <translation>Schrittweite:</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlsIncrement.qml" line="38"/>
        <source>Minimal Wert:</source>
        <translation>Minimal Wert:</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlsIncrement.qml" line="38"/>
        <source>Unterer Grenzwert:</source>
        <translation>Unterer Grenzwert:</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlsIncrement.qml" line="44"/>
        <source>Maximal Wert:</source>
        <translation>Maximal Wert:</translation>
    </message>
    <message>
        <location filename="../../qml/Controls/NemtraControlsIncrement.qml" line="44"/>
        <source>Oberer Grenzwert:</source>
        <translation>Oberer Grenzwert:</translation>
    </message>
</context>
<context>
    <name>NemtraDeviceInformationPage</name>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="16"/>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="36"/>
        <source>GERÄTEINFORMATIONEN</source>
        <translation>GERÄTEINFORMATIONEN</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="45"/>
        <source>Bezeichnung:</source>
        <translation>Bezeichnung:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="52"/>
        <source>Produktionsdatum:</source>
        <translation>Produktionsdatum:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="59"/>
        <source>Softwarestand:</source>
        <translation>Softwarestand:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="66"/>
        <source>Hardwarestand:</source>
        <translation>Hardwarestand:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="75"/>
        <source>LORAWAN INFORMATIONEN</source>
        <translation>LORAWAN INFORMATIONEN</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="82"/>
        <source>Device EUI:</source>
        <translation>Device EUI:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="90"/>
        <source>AppEUI:</source>
        <translation>AppEUI:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="98"/>
        <source>AppKey:</source>
        <translation>AppKey:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="106"/>
        <source>Join-Status:</source>
        <translation>Join-Status:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="114"/>
        <source>nicht gejoined</source>
        <translation>nicht gejoined</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="114"/>
        <source>joined</source>
        <translation>joined</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="117"/>
        <source>LoRaWAN Version:</source>
        <translation>LoRaWAN Version:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="123"/>
        <source>Regional Parameter Version:</source>
        <translation>Regional Parameter Version:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="130"/>
        <source>Region:</source>
        <translation>Region:</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraDeviceInformationPage.qml" line="146"/>
        <source>Gateway konfigurieren</source>
        <translation>Gateway konfigurieren</translation>
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
        <translation>Rohwert (0 Nachkommastellen)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="54"/>
        <source>Rohwert (1 Nachkommastelle)</source>
        <translation>Rohwert (1 Nachkommastelle)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="55"/>
        <source>Rohwert (2 Nachkommastellen)</source>
        <translation>Rohwert (2 Nachkommastellen)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="56"/>
        <source>Rohwert (3 Nachkommastellen)</source>
        <translation>Rohwert (3 Nachkommastellen)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="57"/>
        <source>Rohwert (4 Nachkommastellen)</source>
        <translation>Rohwert (4 Nachkommastellen)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="60"/>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="69"/>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="61"/>
        <source>Feuchte</source>
        <translation>Feuchte</translation>
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
        <translation>Sollwert (Encoder)</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="64"/>
        <source>Externer Wert 1</source>
        <translation>Externer Wert 1</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="65"/>
        <source>Externer Wert 2</source>
        <translation>Externer Wert 2</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="66"/>
        <source>Externer Wert 3</source>
        <translation>Externer Wert 3</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="67"/>
        <source>Externer Wert 4</source>
        <translation>Externer Wert 4</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="70"/>
        <source>Relative Feuchte</source>
        <translation>Relative Feuchte</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="71"/>
        <source>Absolute Feuchte</source>
        <translation>Absolute Feuchte</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="72"/>
        <source>Enthalpie</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="73"/>
        <source>Taupunkt</source>
        <translation>Taupunkt</translation>
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
        <translation>Luftdruck</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="78"/>
        <source>Solltemperatur</source>
        <translation>Solltemperatur</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraDisplayContainer.cpp" line="79"/>
        <source>Rohwert</source>
        <translation>Rohwert</translation>
    </message>
</context>
<context>
    <name>NemtraDisplayGeneralPage</name>
    <message>
        <location filename="../../qml/Display/NemtraDisplayGeneralPage.qml" line="11"/>
        <source>DISPLAY</source>
        <translation>DISPLAY</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayGeneralPage.qml" line="12"/>
        <location filename="../../qml/Display/NemtraDisplayGeneralPage.qml" line="24"/>
        <source>ALLGEMEIN</source>
        <translation>ALLGEMEIN</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayGeneralPage.qml" line="31"/>
        <source>Anzahl anzuzeigender Werte:</source>
        <translation>Anzahl anzuzeigender Werte:</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayGeneralPage.qml" line="37"/>
        <source>Displaygrundfarbe:</source>
        <translation>Displaygrundfarbe:</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayGeneralPage.qml" line="42"/>
        <source>Weiß</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayGeneralPage.qml" line="42"/>
        <source>Schwarz</source>
        <translation>Schwarz</translation>
    </message>
</context>
<context>
    <name>NemtraDisplayValueSettings</name>
    <message>
        <location filename="../../qml/Display/NemtraDisplayValueSettings.qml" line="11"/>
        <source>DISPLAY</source>
        <translation>DISPLAY</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayValueSettings.qml" line="12"/>
        <location filename="../../qml/Display/NemtraDisplayValueSettings.qml" line="26"/>
        <source>Anzeige %1:</source>
        <translation>Anzeige %1:</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayValueSettings.qml" line="33"/>
        <source>Referenz Wert:</source>
        <translation>Referenz Wert:</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayValueSettings.qml" line="40"/>
        <source>Einheit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <location filename="../../qml/Display/NemtraDisplayValueSettings.qml" line="47"/>
        <source>Physikalischer Wert:</source>
        <translation>Physikalischer Wert:</translation>
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
    <name>NemtraExpertPage</name>
    <message>
        <location filename="../../qml/ExpertMode/NemtraExpertPage.qml" line="14"/>
        <source>EXPERT MODE</source>
        <translation>EXPERT MODE</translation>
    </message>
    <message>
        <location filename="../../qml/ExpertMode/NemtraExpertPage.qml" line="22"/>
        <source>Ungültige eingabe!</source>
        <translation>Ungültige eingabe!</translation>
    </message>
    <message>
        <location filename="../../qml/ExpertMode/NemtraExpertPage.qml" line="38"/>
        <source>Parameter Auswahl [hex]</source>
        <translation>Parameter Auswahl [hex]</translation>
    </message>
    <message>
        <location filename="../../qml/ExpertMode/NemtraExpertPage.qml" line="45"/>
        <source>Parameter Auswahl [0x]</source>
        <translation>Parameter Auswahl [0x]</translation>
    </message>
    <message>
        <location filename="../../qml/ExpertMode/NemtraExpertPage.qml" line="80"/>
        <source>Parameter: </source>
        <translation>Parameter: </translation>
    </message>
    <message>
        <location filename="../../qml/ExpertMode/NemtraExpertPage.qml" line="104"/>
        <source>Testseite öffnen</source>
        <translation>Testseite öffnen</translation>
    </message>
</context>
<context>
    <name>NemtraGatewayFilterModel</name>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="132"/>
        <source>ID %1:</source>
        <translation>ID %1:</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="134"/>
        <source>Packettype %1:</source>
        <translation>Packettype %1:</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="136"/>
        <source>Data %1</source>
        <translation>Data %1</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraGatewayFilterModel.cpp" line="138"/>
        <source>-- %1:</source>
        <translation>-- %1:</translation>
    </message>
</context>
<context>
    <name>NemtraGatewayFilterTab</name>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayFilterTab.qml" line="25"/>
        <source>Filterart:</source>
        <translation>Filterart:</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayFilterTab.qml" line="30"/>
        <source>Kein Filter</source>
        <translation>Kein Filter</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayFilterTab.qml" line="30"/>
        <source>Whitelist</source>
        <translation>Whitelist</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayFilterTab.qml" line="30"/>
        <source>Blacklist</source>
        <translation>Blacklist</translation>
    </message>
</context>
<context>
    <name>NemtraGatewayPage</name>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayPage.qml" line="14"/>
        <source>Konfiguration Gateway</source>
        <translation>Konfiguration Gateway</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayPage.qml" line="35"/>
        <source>Gatewaytyp:</source>
        <translation>Gatewaytyp:</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayPage.qml" line="44"/>
        <source>EnOcean Base-ID:</source>
        <translation>EnOcean Base-ID:</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayPage.qml" line="51"/>
        <source>EnOcean Chip-ID:</source>
        <translation>EnOcean Chip-ID:</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayPage.qml" line="67"/>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayPage.qml" line="67"/>
        <source>Packettype</source>
        <translation>Packettype</translation>
    </message>
    <message>
        <location filename="../../qml/Gateway/NemtraGatewayPage.qml" line="67"/>
        <source>Data</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>NemtraHexField</name>
    <message>
        <location filename="../../qml/General/NemtraHexField.qml" line="35"/>
        <source>Ohne Property</source>
        <translation>Ohne Property</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraHexField.qml" line="40"/>
        <location filename="../../qml/General/NemtraHexField.qml" line="47"/>
        <source>Ungültige eingabe!</source>
        <translation>Ungültige eingabe!</translation>
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
        <translation>Die ZNT-Geräte können über die USB-Schnittstelle konfiguriert werden – es wird lediglich ein handelsübliches USB-Kabel benötigt.</translation>
    </message>
</context>
<context>
    <name>NemtraLedPage</name>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="12"/>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="25"/>
        <source>LED Funktion</source>
        <translation>LED Funktion</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="32"/>
        <source>Modus:</source>
        <translation>Modus:</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="37"/>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="37"/>
        <source>Referenz</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="37"/>
        <source>Blinken</source>
        <translation>Blinken</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="39"/>
        <source>LED-Referenz[hex]:</source>
        <translation>LED-Referenz[hex]:</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="48"/>
        <source>LED on time [%1]:</source>
        <translation>LED on time [%1]:</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="57"/>
        <source>LED off time [%1]:</source>
        <translation>LED off time [%1]:</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="70"/>
        <source>Bereiche</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="79"/>
        <source>Bereich 1</source>
        <translation>Bereich 1</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="79"/>
        <source>Bereich 2</source>
        <translation>Bereich 2</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="79"/>
        <source>Bereich 3</source>
        <translation>Bereich 3</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="98"/>
        <source>Schwelle 1/2</source>
        <translation>Schwelle 1/2</translation>
    </message>
    <message>
        <location filename="../../qml/LED/NemtraLedPage.qml" line="104"/>
        <source>Schwelle 2/3</source>
        <translation>Schwelle 2/3</translation>
    </message>
</context>
<context>
    <name>NemtraLiveDelegate</name>
    <message>
        <location filename="../../qml/Monitoring/NemtraLiveDelegate.qml" line="49"/>
        <source>geschaltet</source>
        <translation>geschaltet</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraLiveDelegate.qml" line="49"/>
        <source>nicht geschaltet</source>
        <translation>nicht geschaltet</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraLiveDelegate.qml" line="57"/>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraLiveDelegate.qml" line="57"/>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraLiveDelegate.qml" line="57"/>
        <source>Stufe </source>
        <translation>Stufe </translation>
    </message>
</context>
<context>
    <name>NemtraLivePage</name>
    <message>
        <location filename="../../qml/Monitoring/NemtraLivePage.qml" line="14"/>
        <location filename="../../qml/Monitoring/NemtraLivePage.qml" line="55"/>
        <source>MESSWERTE</source>
        <translation>MESSWERTE</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraLivePage.qml" line="39"/>
        <source>Messwerte aktualisieren</source>
        <translation>Messwerte aktualisieren</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/NemtraLivePage.qml" line="45"/>
        <source>Laufend aktualisieren</source>
        <translation>Laufend aktualisieren</translation>
    </message>
</context>
<context>
    <name>NemtraLoRaPage</name>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="14"/>
        <source>LoRaWAN Parameter</source>
        <translation>LoRaWAN Parameter</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="28"/>
        <source>Join</source>
        <translation>Join</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="35"/>
        <source>Device EUI:</source>
        <translation>Device EUI:</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="49"/>
        <source>Kopieren</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="55"/>
        <source>AppEUI:</source>
        <translation>AppEUI:</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="63"/>
        <source>AppKey:</source>
        <translation>AppKey:</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="77"/>
        <source>Übertragung</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="84"/>
        <source>Adaptive Datenrate (ADR):</source>
        <translation>Adaptive Datenrate (ADR):</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="89"/>
        <source>Deaktiviert</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="89"/>
        <source>Aktiviert</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="91"/>
        <source>Datenrate default:</source>
        <translation>Datenrate default:</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="98"/>
        <source>Tx Power</source>
        <translation>Tx Power</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="105"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="111"/>
        <source>Re-Join Intervall(min):</source>
        <translation>Re-Join Intervall(min):</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="119"/>
        <source>Retransmissions:</source>
        <translation>Retransmissions:</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="125"/>
        <source>Confirmation Activation:</source>
        <translation>Confirmation Activation:</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="130"/>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="130"/>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../../qml/LoRa/NemtraLoRaPage.qml" line="132"/>
        <source>Channel Mask</source>
        <translation>Channel Mask</translation>
    </message>
</context>
<context>
    <name>NemtraManualRequests</name>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="38"/>
        <source>Das Gerät hat die Anfrage nicht rechtzeitig beantwortet.</source>
        <translation>Das Gerät hat die Anfrage nicht rechtzeitig beantwortet.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="60"/>
        <source>Ein simuliertes Gerät beantwortet keine Anfragen: die Anfrage wurde nicht gesendet.</source>
        <translation>Ein simuliertes Gerät beantwortet keine Anfragen: die Anfrage wurde nicht gesendet.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="62"/>
        <source>Kein Gerät verbunden: die Anfrage wurde nicht gesendet.</source>
        <translation>Kein Gerät verbunden: die Anfrage wurde nicht gesendet.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="64"/>
        <source>Die vorige Anfrage ist noch nicht beantwortet: bitte warten.</source>
        <translation>Die vorige Anfrage ist noch nicht beantwortet: bitte warten.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="75"/>
        <source>Das Gerät wird gerade vollständig gelesen: bitte danach erneut senden.</source>
        <translation>Das Gerät wird gerade vollständig gelesen: bitte danach erneut senden.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="82"/>
        <source>Das Register muss zwischen 0000 und FFFE (hexadezimal) liegen.</source>
        <translation>Das Register muss zwischen 0000 und FFFE (hexadezimal) liegen.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="84"/>
        <source>Die Anzahl muss zwischen 1 und %1 liegen.</source>
        <translation>Die Anzahl muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="86"/>
        <source>Die Register %1 bis %2 reichen über FFFE hinaus.</source>
        <translation>Die Register %1 bis %2 reichen über FFFE hinaus.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="113"/>
        <location filename="../../core/NemtraManualRequests.cpp" line="133"/>
        <source>Der Wert muss zwischen 0000 und FFFF (hexadezimal) liegen.</source>
        <translation>Der Wert muss zwischen 0000 und FFFF (hexadezimal) liegen.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="126"/>
        <source>Keine Werte angegeben.</source>
        <translation>Keine Werte angegeben.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="153"/>
        <location filename="../../core/NemtraManualRequests.cpp" line="165"/>
        <location filename="../../core/NemtraManualRequests.cpp" line="176"/>
        <source>„%1“ ist keine gültige hexadezimale Registeradresse.</source>
        <translation>„%1“ ist keine gültige hexadezimale Registeradresse.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="157"/>
        <source>„%1“ ist keine gültige Anzahl.</source>
        <translation>„%1“ ist keine gültige Anzahl.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="168"/>
        <location filename="../../core/NemtraManualRequests.cpp" line="182"/>
        <source>„%1“ ist kein gültiger hexadezimaler Wert.</source>
        <translation>„%1“ ist kein gültiger hexadezimaler Wert.</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="212"/>
        <source>Fehler: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="242"/>
        <source>%1: geschrieben</source>
        <translation>%1: geschrieben</translation>
    </message>
    <message>
        <location filename="../../core/NemtraManualRequests.cpp" line="254"/>
        <source>Die Verbindung wurde getrennt, bevor das Gerät geantwortet hat.</source>
        <translation>Die Verbindung wurde getrennt, bevor das Gerät geantwortet hat.</translation>
    </message>
</context>
<context>
    <name>NemtraMenuHeader</name>
    <message>
        <location filename="../../qml/Menu/NemtraMenuHeader.qml" line="26"/>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../qml/Menu/NemtraMenuHeader.qml" line="26"/>
        <source>Neu laden</source>
        <translation>Neu laden</translation>
    </message>
</context>
<context>
    <name>NemtraNavigationDesktop</name>
    <message>
        <location filename="../../qml/Drawer/NemtraNavigationDesktop.qml" line="62"/>
        <source>NAVIGATION</source>
        <translation>NAVIGATION</translation>
    </message>
</context>
<context>
    <name>NemtraPopups</name>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="30"/>
        <source>Der Speichern Befehl konnte nicht gesendet werden.</source>
        <translation>Der Speichern Befehl konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="47"/>
        <source>Timeout beim Verbindungsversuch!</source>
        <translation>Timeout beim Verbindungsversuch!</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="68"/>
        <location filename="../../qml/General/NemtraPopups.qml" line="70"/>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="69"/>
        <source>Eine Änderung der Konfiguration wurde vorgenommen, für eine dauerhafte Änderung muss der Speichern Befehl ausgeführt werden!</source>
        <translation>Eine Änderung der Konfiguration wurde vorgenommen, für eine dauerhafte Änderung muss der Speichern Befehl ausgeführt werden!</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPopups.qml" line="71"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NemtraPropertyField</name>
    <message>
        <location filename="../../qml/General/NemtraPropertyField.qml" line="29"/>
        <source>Ohne Property</source>
        <translation>Ohne Property</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPropertyField.qml" line="34"/>
        <source>Ungültige eingabe!</source>
        <translation>Ungültige eingabe!</translation>
    </message>
    <message>
        <location filename="../../qml/General/NemtraPropertyField.qml" line="41"/>
        <source>Wert muss zwischen %1 und %2 liegen!</source>
        <translation>Wert muss zwischen %1 und %2 liegen!</translation>
    </message>
</context>
<context>
    <name>NemtraSensorDelegate</name>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="25"/>
        <source>geschaltet</source>
        <translation>geschaltet</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="25"/>
        <source>nicht geschaltet</source>
        <translation>nicht geschaltet</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="33"/>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="33"/>
        <source>Messwert:</source>
        <translation>Messwert:</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="42"/>
        <source>Disable-Zeit:</source>
        <translation>Disable-Zeit:</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="49"/>
        <source>Nachlaufzeit:</source>
        <translation>Nachlaufzeit:</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="57"/>
        <source>Oberer Grenzwert</source>
        <translation>Oberer Grenzwert</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="64"/>
        <source>Unterer Grenzwert</source>
        <translation>Unterer Grenzwert</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorDelegate.qml" line="71"/>
        <source>Hysteresewert:</source>
        <translation>Hysteresewert:</translation>
    </message>
</context>
<context>
    <name>NemtraSensorGeneral</name>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="11"/>
        <source>SENSOREN</source>
        <translation>SENSOREN</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="12"/>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="25"/>
        <source>ALLGEMEIN</source>
        <translation>ALLGEMEIN</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="34"/>
        <source>Messintervall [%1]:</source>
        <translation>Messintervall [%1]:</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="43"/>
        <source>Heartbeat [%1]:</source>
        <translation>Heartbeat [%1]:</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="50"/>
        <source>Hysteresebreite</source>
        <translation>Hysteresebreite</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="56"/>
        <source>keine Hysterese</source>
        <translation>keine Hysterese</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="56"/>
        <source>bei großer Messwertänderung</source>
        <translation>bei großer Messwertänderung</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="57"/>
        <source>bei mittlerer Messwertänderung</source>
        <translation>bei mittlerer Messwertänderung</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="57"/>
        <source>bei kleiner Messwertänderung</source>
        <translation>bei kleiner Messwertänderung</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorGeneral.qml" line="63"/>
        <source>Latenzzeit Digitale Eingänge [s]:</source>
        <translation>Latenzzeit Digitale Eingänge [s]:</translation>
    </message>
</context>
<context>
    <name>NemtraSensorList</name>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorList.qml" line="11"/>
        <source>SENSOREN</source>
        <translation>SENSOREN</translation>
    </message>
    <message>
        <location filename="../../qml/Sensors/NemtraSensorList.qml" line="12"/>
        <source>Kanal</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>NemtraSerialConnectPage</name>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="13"/>
        <source>USB-Verbindung</source>
        <translation>USB-Verbindung</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="33"/>
        <source>Bitte einen Anschluss wählen oder einen Pfad eingeben.</source>
        <translation>Bitte einen Anschluss wählen oder einen Pfad eingeben.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="37"/>
        <source>Unter %1 wurde kein Anschluss gefunden.</source>
        <translation>Unter %1 wurde kein Anschluss gefunden.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="95"/>
        <source>COM-Port</source>
        <translation>COM-Port</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="127"/>
        <source>Aktualisieren</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="141"/>
        <source>Timeout</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="151"/>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="158"/>
        <source>Wiederholungen</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="189"/>
        <source>Trennen</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSerialConnectPage.qml" line="189"/>
        <source>Verbinden</source>
        <translation>Verbinden</translation>
    </message>
</context>
<context>
    <name>NemtraSimulatePopup</name>
    <message>
        <location filename="../../qml/Connect/NemtraSimulatePopup.qml" line="14"/>
        <source>Gerät simulieren</source>
        <translation>Gerät simulieren</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSimulatePopup.qml" line="15"/>
        <source>Welches Gerät soll simuliert werden?</source>
        <translation>Welches Gerät soll simuliert werden?</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/NemtraSimulatePopup.qml" line="17"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NemtraTlfContainer</name>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>schwarz</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>rot</source>
        <translation>rot</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>grün</source>
        <translation>grün</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>gelb</source>
        <translation>gelb</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>blau</source>
        <translation>blau</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>türkis</source>
        <translation>türkis</translation>
    </message>
    <message>
        <location filename="../../containers/NemtraTlfContainer.cpp" line="20"/>
        <source>weiß</source>
        <translation>weiß</translation>
    </message>
</context>
<context>
    <name>NemtraTlfPage</name>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="12"/>
        <source>AMPELFUNKTION (TLF)</source>
        <translation>AMPELFUNKTION (TLF)</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="29"/>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="36"/>
        <source>MODUS</source>
        <translation>MODUS</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="41"/>
        <source>AUS</source>
        <translation>AUS</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="41"/>
        <source>Datenpunkt</source>
        <translation>Datenpunkt</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="41"/>
        <source>Blinken</source>
        <translation>Blinken</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="43"/>
        <source>TLF Referenz</source>
        <translation>TLF Referenz</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="54"/>
        <source>LED on time (%1)</source>
        <translation>LED on time (%1)</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="68"/>
        <source>TLF Bereichsfarbe</source>
        <translation>TLF Bereichsfarbe</translation>
    </message>
    <message>
        <location filename="../../qml/TLF/NemtraTlfPage.qml" line="100"/>
        <source>Schwelle %1:</source>
        <translation>Schwelle %1:</translation>
    </message>
</context>
<context>
    <name>NemtraTransferRecorder</name>
    <message>
        <location filename="../../core/NemtraTransferRecorder.cpp" line="74"/>
        <source>%1: Fehler: %2</source>
        <translation>%1: Fehler: %2</translation>
    </message>
</context>
</TS>
