<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>EnumTranslation</name>
    <message>
        <location filename="../../blocks/Enums.cpp" line="16"/>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="18"/>
        <source>Relative Feuchte</source>
        <translation>Relative Feuchte</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="20"/>
        <source>Absolute Feuchte</source>
        <translation>Absolute Feuchte</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="22"/>
        <source>Enthalpie</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="24"/>
        <source>Taupunkt</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="26"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="28"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="30"/>
        <source>CO2/VOC</source>
        <translation>CO2/VOC</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="32"/>
        <source>Volumenstrom</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="34"/>
        <source>Differenzdruck</source>
        <translation>Differenzdruck</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="36"/>
        <source>Helligkeit</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="38"/>
        <source>Kondensat</source>
        <translation>Kondensat</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="40"/>
        <source>Luftdruck</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="42"/>
        <source>Max1</source>
        <translation>Max1</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="55"/>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="57"/>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="59"/>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="61"/>
        <source>g/m³</source>
        <translation>g/m³</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="63"/>
        <source>kJ/kg</source>
        <translation>kJ/kg</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="65"/>
        <source>BTU/lb</source>
        <translation>BTU/lb</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="67"/>
        <source>ppm</source>
        <translation>ppm</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="69"/>
        <source>ppb</source>
        <translation>ppb</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="71"/>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="73"/>
        <source>hPa</source>
        <translation>hPa</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="75"/>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="77"/>
        <source>mbar</source>
        <translation>mbar</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="79"/>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="81"/>
        <source>inch wc</source>
        <translation>inch wc</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="83"/>
        <source>m³/s</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="85"/>
        <source>m³/h</source>
        <translation>m³/h</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="87"/>
        <source>CFM</source>
        <translation>CFM</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="89"/>
        <source>klux</source>
        <translation>klux</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="91"/>
        <source>lux</source>
        <translation>lux</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="93"/>
        <source>fc</source>
        <translation>fc</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="95"/>
        <source>grain/ft³</source>
        <translation>grain/ft³</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="97"/>
        <source>raw</source>
        <translation>raw</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="99"/>
        <source>On/Off</source>
        <translation>On/Off</translation>
    </message>
</context>
<context>
    <name>KivAboutPage</name>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="27"/>
        <source>ÜBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="43"/>
        <source>KIV Raumsensoren</source>
        <translation type="unfinished">KIV Raumsensoren</translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="54"/>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="61"/>
        <source>Konfiguration und Kalibrierung von KIV Raumsensoren über die serielle Schnittstelle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivBackend</name>
    <message>
        <location filename="../../core/KivBackend.cpp" line="265"/>
        <source>Kein COM-Port ausgewählt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="88"/>
        <source>Das angeschlossene Gerät wird nicht unterstüzt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivDeviceCommands.cpp" line="142"/>
        <source>Ungültiges Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="720"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="723"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="739"/>
        <source>Fehler beim Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="745"/>
        <location filename="../../core/KivBackend.cpp" line="751"/>
        <location filename="../../core/KivBackend.cpp" line="782"/>
        <location filename="../../core/KivBackend.cpp" line="788"/>
        <location filename="../../core/KivBackend.cpp" line="799"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="807"/>
        <source>Laden fehlgeschlagen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="813"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="818"/>
        <source>Angebene Datei existiert nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="214"/>
        <source>Keine Auswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="224"/>
        <source>mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="227"/>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="229"/>
        <source>max</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivBluetoothPage</name>
    <message>
        <location filename="../../qml/Connect/KivBluetoothPage.qml" line="8"/>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivConnectionPage</name>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="57"/>
        <source>VERBINDUNGSMANAGER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="58"/>
        <source>Verbunden mit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="59"/>
        <source>Kein Gerät verbunden</source>
        <translation type="unfinished">Kein Gerät verbunden</translation>
    </message>
</context>
<context>
    <name>KivContactPage</name>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="12"/>
        <source>KONTAKT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="13"/>
        <source>Service und Kalibrierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="33"/>
        <source>Abteilung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="34"/>
        <source>Kundendienst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="41"/>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="49"/>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="56"/>
        <source>Bitte halten Sie die Seriennummer des Geräts bereit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="65"/>
        <source>E-Mail schreiben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivDatenblock</name>
    <message>
        <location filename="../../core/KivDatenblock.cpp" line="89"/>
        <source>Falsche ByteArray größe: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivDefaultPage</name>
    <message>
        <location filename="../../qml/Ui/KivDefaultPage.qml" line="24"/>
        <source>IN VORBEREITUNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Ui/KivDefaultPage.qml" line="31"/>
        <source>Diese Seite steht in dieser Version noch nicht zur Verfügung.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivDeviceInfoPage</name>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="26"/>
        <source>Unbekannt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="32"/>
        <source>Analogausgänge Spannung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="33"/>
        <source>Analogausgänge Spannung/Strom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="34"/>
        <source>Relais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="36"/>
        <source>Display</source>
        <translation type="unfinished">Display</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="40"/>
        <source>Keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="59"/>
        <source>GERÄTEINFORMATIONEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="60"/>
        <source>Kein Gerät verbunden</source>
        <translation type="unfinished">Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="68"/>
        <source>Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="79"/>
        <source>Gerätename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="86"/>
        <source>Seriennummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="93"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="122"/>
        <source>Hauptplatine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="100"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="129"/>
        <source>Optionsplatine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="111"/>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="136"/>
        <source>Versionen (vollständig)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivFooterExpert</name>
    <message>
        <location filename="../../qml/Footer/KivFooterExpert.qml" line="12"/>
        <source>CO2</source>
        <translation type="unfinished">CO2</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterExpert.qml" line="13"/>
        <source>VOC</source>
        <translation type="unfinished">VOC</translation>
    </message>
</context>
<context>
    <name>KivFooterLive</name>
    <message>
        <location filename="../../qml/Footer/KivFooterLive.qml" line="12"/>
        <source>Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLive.qml" line="13"/>
        <source>Live-Daten</source>
        <translation type="unfinished">Live-Daten</translation>
    </message>
</context>
<context>
    <name>KivFooterLora</name>
    <message>
        <location filename="../../qml/Footer/KivFooterLora.qml" line="12"/>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLora.qml" line="13"/>
        <source>Parameter</source>
        <translation type="unfinished">Parameter</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLora.qml" line="14"/>
        <source>Befehle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivFooterOutput</name>
    <message>
        <location filename="../../qml/Footer/KivFooterOutput.qml" line="12"/>
        <source>Ausgänge</source>
        <translation type="unfinished">Ausgänge</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterOutput.qml" line="13"/>
        <source>Allgemein</source>
        <translation type="unfinished">Allgemein</translation>
    </message>
</context>
<context>
    <name>KivFooterRelais</name>
    <message>
        <location filename="../../qml/Footer/KivFooterRelais.qml" line="12"/>
        <source>Relais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterRelais.qml" line="13"/>
        <source>Zwangssteuerung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivFooterService</name>
    <message>
        <location filename="../../qml/Footer/KivFooterService.qml" line="12"/>
        <source>Wartung</source>
        <translation type="unfinished">Wartung</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterService.qml" line="13"/>
        <source>Kontakt</source>
        <translation type="unfinished">Kontakt</translation>
    </message>
</context>
<context>
    <name>KivLivePage</name>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="16"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="49"/>
        <source>LIVE-DATEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="50"/>
        <source>Kein Gerät verbunden</source>
        <translation type="unfinished">Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="58"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="88"/>
        <source>Sensorfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="92"/>
        <source>Messbereich %1 … %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="95"/>
        <source>Ausgang %1: %2 V · %3 mA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivMainView</name>
    <message>
        <location filename="../../qml/Ui/KivMainView.qml" line="12"/>
        <source>https://www.veltaron.de/downloads/KIV_Bedienungsanleitung_DE.pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivMaintenancePage</name>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="9"/>
        <source>WARTUNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="14"/>
        <source>Wartung</source>
        <translation type="unfinished">Wartung</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="25"/>
        <source>Kalibrierung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivOffsetPage</name>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="19"/>
        <source>OFFSET-EINSTELLUNGEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="24"/>
        <source>Der Korrekturfaktor wird zum Messwert addiert. Er wird eine Sekunde nach der letzten Änderung an das Gerät übertragen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="32"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="42"/>
        <source>Korrekturfaktor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivOffsetRow</name>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="22"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="34"/>
        <source>Bitte eine ganze Zahl eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="38"/>
        <source>Der Korrekturfaktor muss zwischen %1 und %2 liegen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="65"/>
        <source>Erlaubt: %1 … %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="67"/>
        <source>Für diese Messgröße nicht einstellbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="89"/>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivOutputAssignment</name>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="35"/>
        <source>mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="97"/>
        <source>Keine Belegung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="108"/>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="108"/>
        <source>max</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivOutputChannelsBase</name>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="12"/>
        <source>AUSGANGSKONFIGURATION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="28"/>
        <source>Die Auswahl wird übernommen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="37"/>
        <source>Keine Ausgänge vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivOutputDelegate</name>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="19"/>
        <source>Ausgang %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="32"/>
        <source>Messgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="49"/>
        <source>Messbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="59"/>
        <source>Eigener Bereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="66"/>
        <source>Ausgangssignal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="74"/>
        <source>%1 V · %2 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="75"/>
        <source>nicht belegt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivOutputGeneralBase</name>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="15"/>
        <source>AUSGÄNGE ALLGEMEIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="24"/>
        <source>Ausgangssignal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="33"/>
        <source>Spannungsbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="49"/>
        <source>Maximale Spannung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="71"/>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="132"/>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="80"/>
        <source>Stromausgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="87"/>
        <source>4 - 20 mA an jedem belegten Ausgang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="88"/>
        <source>Diese Optionsplatine hat nur Spannungsausgänge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="100"/>
        <source>Standort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="114"/>
        <source>Höhe über NN [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="138"/>
        <source>Bitte eine ganze Zahl von 0 bis %1 eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivPopups</name>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="24"/>
        <source>Werkseinstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="26"/>
        <source>Einstellungen erfolgreich übernommen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="26"/>
        <source>Einstellungen wurden nicht übernommen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="27"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="48"/>
        <source>Timeout beim Verbindungsversuch!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="58"/>
        <source>Achtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="60"/>
        <source>Unbekannter Dateiursprung!
Laden auf eigene Gewähr!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="61"/>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="62"/>
        <location filename="../../qml/Popup/KivPopups.qml" line="78"/>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="74"/>
        <source>Datenaustausch ist fehlgeschlagen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="76"/>
        <source>Das angeschlossene Gerät scheint nicht zu reagieren.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivRelaisCard</name>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="21"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="23"/>
        <source>Relais %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="27"/>
        <source>Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="30"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="38"/>
        <source>Bitte eine Zahl eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="42"/>
        <source>Bitte eine ganze Zahl ab 0 eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="61"/>
        <source>Messgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="77"/>
        <source>Einschaltschwelle [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="78"/>
        <source>Einschaltschwelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="93"/>
        <source>Ausschaltschwelle [%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="94"/>
        <source>Ausschaltschwelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="109"/>
        <source>Hysterese</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivRelaisForcePage</name>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="12"/>
        <source>RELAIS ERZWINGEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="18"/>
        <source>Beim Verlassen dieser Seite arbeiten die Relais wieder nach ihren Einstellungen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="26"/>
        <source>Dieses Gerät hat keine Relais.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="36"/>
        <source>Zwangssteuerung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivRelaisForceRow</name>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="28"/>
        <source>Relais %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="35"/>
        <source>Automatisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="36"/>
        <source>Geschlossen (erzwungen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="36"/>
        <source>Offen (erzwungen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="51"/>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="62"/>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="73"/>
        <source>Freigeben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivRelaisSettingsPage</name>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisSettingsPage.qml" line="10"/>
        <source>RELAISEINSTELLUNGEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisSettingsPage.qml" line="15"/>
        <source>Dieses Gerät hat keine Relais.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivSaveAndLoad</name>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="109"/>
        <source>JSON auslesen wird nicht untersüzt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="113"/>
        <source>PDF&apos;s auslesen wird nicht untersüzt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="117"/>
        <source>Unerwarteter Dateityp: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="130"/>
        <location filename="../../files/KivSaveAndLoad.cpp" line="146"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivSaveLoadPage</name>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="66"/>
        <source>Laden fehlgeschlagen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="106"/>
        <source>LADEN/SPEICHERN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="107"/>
        <source>Verbunden mit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="108"/>
        <source>Kein Gerät verbunden</source>
        <translation type="unfinished">Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="117"/>
        <source>Konfiguration speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="130"/>
        <source>Dateiname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="145"/>
        <source>Speichern</source>
        <translation type="unfinished">Speichern</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="157"/>
        <source>Gespeicherte Dateien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="170"/>
        <source>Suchen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="179"/>
        <source>Keine gespeicherten Dateien vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="220"/>
        <source>Gerät: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="229"/>
        <source>Geändert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="251"/>
        <source>Laden</source>
        <translation type="unfinished">Laden</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="261"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="287"/>
        <source>Löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="285"/>
        <source>Datei löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="286"/>
        <source>Soll die Datei &quot;%1&quot; gelöscht werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="288"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="305"/>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="302"/>
        <source>Datei überschreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="303"/>
        <source>Die Datei &quot;%1&quot; existiert bereits. Soll sie überschrieben werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="304"/>
        <source>Überschreiben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivSerialPage</name>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="11"/>
        <source>Serielle Verbindung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivServiceCard</name>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="26"/>
        <source>%1 (in %2 Tagen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="39"/>
        <source>Zuletzt durchgeführt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="47"/>
        <source>Nächster Termin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="58"/>
        <source>Intervall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="70"/>
        <source>Monate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="76"/>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="85"/>
        <source>Übernehmen setzt die Zeit bis zum nächsten Termin auf das neue Intervall.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivSettingsPage</name>
    <message>
        <location filename="../../qml/General/KivSettingsPage.qml" line="14"/>
        <source>Kein Gerät verbunden</source>
        <translation type="unfinished">Kein Gerät verbunden</translation>
    </message>
</context>
<context>
    <name>KivSimulatePage</name>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="11"/>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="31"/>
        <source>Gerät simulieren</source>
        <translation type="unfinished">Gerät simulieren</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="22"/>
        <source>Die Seiten zeigen dann die Werte eines gespeicherten Beispielgeräts; es wird nichts an ein Gerät gesendet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="31"/>
        <source>Gerät wird simuliert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="47"/>
        <source>Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="48"/>
        <source>Soll ein Gerät simuliert werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="49"/>
        <source>Ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="50"/>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivSpecialPage</name>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="12"/>
        <source>Veltaron internals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="15"/>
        <source>Si auf Imp umstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="16"/>
        <source>Imp auf Si umstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="17"/>
        <source>Unbekannt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="39"/>
        <source>Keine Verbindung mit einem Gerät!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="65"/>
        <source>Auf Werkseinstellungen zurücksetzen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="72"/>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="110"/>
        <source>Firmwareupdate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="79"/>
        <source>Neu auslesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="88"/>
        <source>Verbindung trennen</source>
        <translation type="unfinished">Verbindung trennen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="88"/>
        <source>Verbinden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="96"/>
        <source>Bitte specifizieren Sie die Updatedatei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="97"/>
        <source>bin files (*.bin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="111"/>
        <source>Die Firmware wird übertragen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="122"/>
        <source>%1 Byte/s, noch etwa %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="124"/>
        <source>Der Bootloader des Geräts wird gestartet …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="134"/>
        <source>Firmwareupdate fehlgeschlagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="136"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="151"/>
        <source>Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="154"/>
        <source>Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="157"/>
        <source>Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainKivApp</name>
    <message>
        <location filename="../../qml/MainKivApp.qml" line="32"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationItems</name>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="29"/>
        <source>Verbindungsmanager</source>
        <translation>Verbindungsmanager</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="30"/>
        <location filename="../../blocks/KivNavigationModel.cpp" line="64"/>
        <source>Live-Daten</source>
        <translation>Live-Daten</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="31"/>
        <source>Ausgangskonfiguration</source>
        <translation>Ausgangskonfiguration</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="32"/>
        <source>Relaiseinstellungen</source>
        <translation>Relaiseinstellungen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="33"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="34"/>
        <source>Ampelfunktion(TLF)</source>
        <translation>Ampelfunktion(TLF)</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="35"/>
        <source>BUS-Einstellungen</source>
        <translation>BUS-Einstellungen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="36"/>
        <source>Offset-Einstellungen</source>
        <translation>Offset-Einstellungen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="37"/>
        <source>Wartung</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="38"/>
        <source>LoRaWAN</source>
        <translation>LoRaWAN</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="45"/>
        <source>Expertenmodus</source>
        <translation>Expertenmodus</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="46"/>
        <source>Laden/Speichern</source>
        <translation>Laden/Speichern</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="47"/>
        <source>Exportieren</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="48"/>
        <source>Spracheinstellungen</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="49"/>
        <source>Handbuch</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="50"/>
        <source>Verbindung trennen</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="51"/>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="59"/>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="60"/>
        <source>Gerät simulieren</source>
        <translation>Gerät simulieren</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="61"/>
        <source>Special</source>
        <translation>Special</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="63"/>
        <source>Geräteinformationen</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="66"/>
        <source>Ausgänge</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="67"/>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="69"/>
        <source>Einstellung</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="70"/>
        <source>Erzwingen</source>
        <translation>Erzwingen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="72"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="73"/>
        <source>Kontakt</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="75"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="76"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="78"/>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="79"/>
        <source>Laden</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="81"/>
        <source>Informationen</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="82"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="83"/>
        <source>Control Command</source>
        <translation>Control Command</translation>
    </message>
</context>
</TS>
