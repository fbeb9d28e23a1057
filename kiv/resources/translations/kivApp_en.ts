<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>EnumTranslation</name>
    <message>
        <location filename="../../blocks/Enums.cpp" line="16"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="18"/>
        <source>Relative Feuchte</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="20"/>
        <source>Absolute Feuchte</source>
        <translation>Absolute humidity</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="22"/>
        <source>Enthalpie</source>
        <translation>Enthalpy</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="24"/>
        <source>Taupunkt</source>
        <translation>Dew point</translation>
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
        <translation>Air flow</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="34"/>
        <source>Differenzdruck</source>
        <translation>Differential pressure</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="36"/>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="38"/>
        <source>Kondensat</source>
        <translation>Condensation</translation>
    </message>
    <message>
        <location filename="../../blocks/Enums.cpp" line="40"/>
        <source>Luftdruck</source>
        <translation>Air pressure</translation>
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
        <translation>ABOUT</translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="43"/>
        <source>KIV Raumsensoren</source>
        <translation>KIV room sensors</translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="54"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="61"/>
        <source>Konfiguration und Kalibrierung von KIV Raumsensoren über die serielle Schnittstelle.</source>
        <translation>Configuration and calibration of KIV room sensors over the serial interface.</translation>
    </message>
</context>
<context>
    <name>KivBackend</name>
    <message>
        <location filename="../../core/KivBackend.cpp" line="265"/>
        <source>Kein COM-Port ausgewählt!</source>
        <translation>No COM port selected!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="88"/>
        <source>Das angeschlossene Gerät wird nicht unterstüzt.</source>
        <translation>The connected device is not supported.</translation>
    </message>
    <message>
        <location filename="../../core/KivDeviceCommands.cpp" line="142"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="720"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation>Error loading the file!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="723"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>The file does not match the connected device!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="739"/>
        <source>Fehler beim Laden</source>
        <translation>Error while loading</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="745"/>
        <location filename="../../core/KivBackend.cpp" line="751"/>
        <location filename="../../core/KivBackend.cpp" line="782"/>
        <location filename="../../core/KivBackend.cpp" line="788"/>
        <location filename="../../core/KivBackend.cpp" line="799"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="807"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="813"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation>Preview is only available for *.json files.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="818"/>
        <source>Angebene Datei existiert nicht.</source>
        <translation>The specified file does not exist.</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="214"/>
        <source>Keine Auswahl</source>
        <translation>No selection</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="224"/>
        <source>mix</source>
        <translation>mix</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="227"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="229"/>
        <source>max</source>
        <translation>max</translation>
    </message>
</context>
<context>
    <name>KivBluetoothPage</name>
    <message>
        <location filename="../../qml/Connect/KivBluetoothPage.qml" line="8"/>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
</context>
<context>
    <name>KivConnectionPage</name>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="57"/>
        <source>VERBINDUNGSMANAGER</source>
        <translation>CONNECTION MANAGER</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="58"/>
        <source>Verbunden mit %1</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="59"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
</context>
<context>
    <name>KivContactPage</name>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="12"/>
        <source>KONTAKT</source>
        <translation>CONTACT</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="13"/>
        <source>Service und Kalibrierung</source>
        <translation>Service and calibration</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="33"/>
        <source>Abteilung</source>
        <translation>Department</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="34"/>
        <source>Kundendienst</source>
        <translation>Customer service</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="41"/>
        <source>E-Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="49"/>
        <source>Internet</source>
        <translation>Web</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="56"/>
        <source>Bitte halten Sie die Seriennummer des Geräts bereit: %1</source>
        <translation>Please have the device&apos;s serial number ready: %1</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="65"/>
        <source>E-Mail schreiben</source>
        <translation>Write an e-mail</translation>
    </message>
</context>
<context>
    <name>KivDatenblock</name>
    <message>
        <location filename="../../core/KivDatenblock.cpp" line="89"/>
        <source>Falsche ByteArray größe: %1 of %2</source>
        <translation>Wrong register image size: %1 of %2</translation>
    </message>
</context>
<context>
    <name>KivDefaultPage</name>
    <message>
        <location filename="../../qml/Ui/KivDefaultPage.qml" line="24"/>
        <source>IN VORBEREITUNG</source>
        <translation>IN PREPARATION</translation>
    </message>
    <message>
        <location filename="../../qml/Ui/KivDefaultPage.qml" line="31"/>
        <source>Diese Seite steht in dieser Version noch nicht zur Verfügung.</source>
        <translation>This page is not available in this version yet.</translation>
    </message>
</context>
<context>
    <name>KivDeviceInfoPage</name>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="26"/>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="32"/>
        <source>Analogausgänge Spannung</source>
        <translation>Analogue outputs, voltage</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="33"/>
        <source>Analogausgänge Spannung/Strom</source>
        <translation>Analogue outputs, voltage/current</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="34"/>
        <source>Relais</source>
        <translation>Relays</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="36"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="40"/>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="59"/>
        <source>GERÄTEINFORMATIONEN</source>
        <translation>DEVICE INFORMATION</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="60"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="68"/>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="79"/>
        <source>Gerätename</source>
        <translation>Device name</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="86"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="93"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="122"/>
        <source>Hauptplatine</source>
        <translation>Main board</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="100"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="129"/>
        <source>Optionsplatine</source>
        <translation>Option board</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="111"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="136"/>
        <source>Versionen (vollständig)</source>
        <translation>Versions (complete)</translation>
    </message>
</context>
<context>
    <name>KivFooterExpert</name>
    <message>
        <location filename="../../qml/Footer/KivFooterExpert.qml" line="12"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterExpert.qml" line="13"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
</context>
<context>
    <name>KivFooterLive</name>
    <message>
        <location filename="../../qml/Footer/KivFooterLive.qml" line="12"/>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLive.qml" line="13"/>
        <source>Live-Daten</source>
        <translation>Live data</translation>
    </message>
</context>
<context>
    <name>KivFooterLora</name>
    <message>
        <location filename="../../qml/Footer/KivFooterLora.qml" line="12"/>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLora.qml" line="13"/>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLora.qml" line="14"/>
        <source>Befehle</source>
        <translation>Commands</translation>
    </message>
</context>
<context>
    <name>KivFooterOutput</name>
    <message>
        <location filename="../../qml/Footer/KivFooterOutput.qml" line="12"/>
        <source>Ausgänge</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterOutput.qml" line="13"/>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
</context>
<context>
    <name>KivFooterRelais</name>
    <message>
        <location filename="../../qml/Footer/KivFooterRelais.qml" line="12"/>
        <source>Relais</source>
        <translation>Relays</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterRelais.qml" line="13"/>
        <source>Zwangssteuerung</source>
        <translation>Forced control</translation>
    </message>
</context>
<context>
    <name>KivFooterService</name>
    <message>
        <location filename="../../qml/Footer/KivFooterService.qml" line="12"/>
        <source>Wartung</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterService.qml" line="13"/>
        <source>Kontakt</source>
        <translation>Contact</translation>
    </message>
</context>
<context>
    <name>KivLivePage</name>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="16"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>en</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="49"/>
        <source>LIVE-DATEN</source>
        <translation>LIVE DATA</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="50"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="58"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation>No measured values available.</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="88"/>
        <source>Sensorfehler</source>
        <translation>Sensor error</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="92"/>
        <source>Messbereich %1 … %2 %3</source>
        <translation>Range %1 … %2 %3</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="95"/>
        <source>Ausgang %1: %2 V · %3 mA</source>
        <translation>Output %1: %2 V · %3 mA</translation>
    </message>
</context>
<context>
    <name>KivMainView</name>
    <message>
        <location filename="../../qml/Ui/KivMainView.qml" line="12"/>
        <source>https://www.veltaron.de/downloads/KIV_Bedienungsanleitung_DE.pdf</source>
        <translation>https://www.veltaron.de/downloads/KIV_User_Manual_EN.pdf</translation>
    </message>
</context>
<context>
    <name>KivMaintenancePage</name>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="9"/>
        <source>WARTUNG</source>
        <translation>MAINTENANCE</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="14"/>
        <source>Wartung</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="25"/>
        <source>Kalibrierung</source>
        <translation>Calibration</translation>
    </message>
</context>
<context>
    <name>KivOffsetPage</name>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="19"/>
        <source>OFFSET-EINSTELLUNGEN</source>
        <translation>OFFSET SETTINGS</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="24"/>
        <source>Der Korrekturfaktor wird zum Messwert addiert. Er wird eine Sekunde nach der letzten Änderung an das Gerät übertragen.</source>
        <translation>The correction is added to the measured value. It is sent to the device one second after the last change.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="32"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation>No measured values available.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="42"/>
        <source>Korrekturfaktor</source>
        <translation>Correction</translation>
    </message>
</context>
<context>
    <name>KivOffsetRow</name>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="22"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>en</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="34"/>
        <source>Bitte eine ganze Zahl eingeben.</source>
        <translation>Please enter a whole number.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="38"/>
        <source>Der Korrekturfaktor muss zwischen %1 und %2 liegen.</source>
        <translation>The correction must lie between %1 and %2.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="65"/>
        <source>Erlaubt: %1 … %2 %3</source>
        <translation>Allowed: %1 … %2 %3</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="67"/>
        <source>Für diese Messgröße nicht einstellbar</source>
        <translation>Not adjustable for this measurement</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="89"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
</context>
<context>
    <name>KivOutputAssignment</name>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="35"/>
        <source>mix</source>
        <translation>mix</translation>
    </message>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="97"/>
        <source>Keine Belegung</source>
        <translation>Not assigned</translation>
    </message>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="108"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../../core/KivOutputAssignment.cpp" line="108"/>
        <source>max</source>
        <translation>max</translation>
    </message>
</context>
<context>
    <name>KivOutputChannelsBase</name>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="12"/>
        <source>AUSGANGSKONFIGURATION</source>
        <translation>OUTPUT CONFIGURATION</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="28"/>
        <source>Die Auswahl wird übernommen …</source>
        <translation>Applying the selection …</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="37"/>
        <source>Keine Ausgänge vorhanden.</source>
        <translation>No outputs available.</translation>
    </message>
</context>
<context>
    <name>KivOutputDelegate</name>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="19"/>
        <source>Ausgang %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="32"/>
        <source>Messgröße</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="49"/>
        <source>Messbereich</source>
        <translation>Measuring range</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="59"/>
        <source>Eigener Bereich</source>
        <translation>Custom range</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="66"/>
        <source>Ausgangssignal</source>
        <translation>Output signal</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="74"/>
        <source>%1 V · %2 mA</source>
        <translation>%1 V · %2 mA</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="75"/>
        <source>nicht belegt</source>
        <translation>not assigned</translation>
    </message>
</context>
<context>
    <name>KivOutputGeneralBase</name>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="15"/>
        <source>AUSGÄNGE ALLGEMEIN</source>
        <translation>OUTPUTS GENERAL</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="24"/>
        <source>Ausgangssignal</source>
        <translation>Output signal</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="33"/>
        <source>Spannungsbereich</source>
        <translation>Voltage range</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="49"/>
        <source>Maximale Spannung</source>
        <translation>Maximum voltage</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="71"/>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="132"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="80"/>
        <source>Stromausgang</source>
        <translation>Current output</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="87"/>
        <source>4 - 20 mA an jedem belegten Ausgang</source>
        <translation>4 - 20 mA on every assigned output</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="88"/>
        <source>Diese Optionsplatine hat nur Spannungsausgänge.</source>
        <translation>This option board has voltage outputs only.</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="100"/>
        <source>Standort</source>
        <translation>Location</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="114"/>
        <source>Höhe über NN [m]</source>
        <translation>Altitude above sea level [m]</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="138"/>
        <source>Bitte eine ganze Zahl von 0 bis %1 eingeben.</source>
        <translation>Please enter a whole number from 0 to %1.</translation>
    </message>
</context>
<context>
    <name>KivPopups</name>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="24"/>
        <source>Werkseinstellungen</source>
        <translation>Factory settings</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="26"/>
        <source>Einstellungen erfolgreich übernommen</source>
        <translation>Settings applied successfully</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="26"/>
        <source>Einstellungen wurden nicht übernommen</source>
        <translation>Settings were not applied</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="27"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="48"/>
        <source>Timeout beim Verbindungsversuch!</source>
        <translation>Timeout while trying to connect!</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="58"/>
        <source>Achtung</source>
        <translation>Attention</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="60"/>
        <source>Unbekannter Dateiursprung!
Laden auf eigene Gewähr!</source>
        <translation>Unknown file origin!
Load at your own risk!</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="61"/>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="62"/>
        <location filename="../../qml/Popup/KivPopups.qml" line="78"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="74"/>
        <source>Datenaustausch ist fehlgeschlagen!</source>
        <translation>Data exchange failed!</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="76"/>
        <source>Das angeschlossene Gerät scheint nicht zu reagieren.</source>
        <translation>The connected device does not seem to respond.</translation>
    </message>
</context>
<context>
    <name>KivRelaisCard</name>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="21"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>en</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="23"/>
        <source>Relais %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="27"/>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="30"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="38"/>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="42"/>
        <source>Bitte eine ganze Zahl ab 0 eingeben.</source>
        <translation>Please enter a whole number of 0 or more.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="61"/>
        <source>Messgröße</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="77"/>
        <source>Einschaltschwelle [%1]</source>
        <translation>Switch-on threshold [%1]</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="78"/>
        <source>Einschaltschwelle</source>
        <translation>Switch-on threshold</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="93"/>
        <source>Ausschaltschwelle [%1]</source>
        <translation>Switch-off threshold [%1]</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="94"/>
        <source>Ausschaltschwelle</source>
        <translation>Switch-off threshold</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="109"/>
        <source>Hysterese</source>
        <translation>Hysteresis</translation>
    </message>
</context>
<context>
    <name>KivRelaisForcePage</name>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="12"/>
        <source>RELAIS ERZWINGEN</source>
        <translation>FORCE RELAYS</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="18"/>
        <source>Beim Verlassen dieser Seite arbeiten die Relais wieder nach ihren Einstellungen.</source>
        <translation>When you leave this page the relays follow their settings again.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="26"/>
        <source>Dieses Gerät hat keine Relais.</source>
        <translation>This device has no relays.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="36"/>
        <source>Zwangssteuerung</source>
        <translation>Forced switching</translation>
    </message>
</context>
<context>
    <name>KivRelaisForceRow</name>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="28"/>
        <source>Relais %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="35"/>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="36"/>
        <source>Geschlossen (erzwungen)</source>
        <translation>Closed (forced)</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="36"/>
        <source>Offen (erzwungen)</source>
        <translation>Open (forced)</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="51"/>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="62"/>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="73"/>
        <source>Freigeben</source>
        <translation>Release</translation>
    </message>
</context>
<context>
    <name>KivRelaisSettingsPage</name>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisSettingsPage.qml" line="10"/>
        <source>RELAISEINSTELLUNGEN</source>
        <translation>RELAY SETTINGS</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisSettingsPage.qml" line="15"/>
        <source>Dieses Gerät hat keine Relais.</source>
        <translation>This device has no relays.</translation>
    </message>
</context>
<context>
    <name>KivSaveAndLoad</name>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="109"/>
        <source>JSON auslesen wird nicht untersüzt!</source>
        <translation>Reading JSON is not supported!</translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="113"/>
        <source>PDF&apos;s auslesen wird nicht untersüzt!</source>
        <translation>Reading PDFs is not supported!</translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="117"/>
        <source>Unerwarteter Dateityp: %1</source>
        <translation>Unexpected file type: %1</translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="130"/>
        <location filename="../../files/KivSaveAndLoad.cpp" line="146"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
</context>
<context>
    <name>KivSaveLoadPage</name>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="66"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="106"/>
        <source>LADEN/SPEICHERN</source>
        <translation>LOAD/SAVE</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="107"/>
        <source>Verbunden mit %1</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="108"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="117"/>
        <source>Konfiguration speichern</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="130"/>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="145"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="157"/>
        <source>Gespeicherte Dateien</source>
        <translation>Saved files</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="170"/>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="179"/>
        <source>Keine gespeicherten Dateien vorhanden.</source>
        <translation>No saved files.</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="220"/>
        <source>Gerät: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="229"/>
        <source>Geändert: %1</source>
        <translation>Modified: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="251"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="261"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="287"/>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="285"/>
        <source>Datei löschen</source>
        <translation>Delete file</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="286"/>
        <source>Soll die Datei &quot;%1&quot; gelöscht werden?</source>
        <translation>Delete the file &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="288"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="305"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="302"/>
        <source>Datei überschreiben</source>
        <translation>Overwrite file</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="303"/>
        <source>Die Datei &quot;%1&quot; existiert bereits. Soll sie überschrieben werden?</source>
        <translation>The file &quot;%1&quot; already exists. Overwrite it?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="304"/>
        <source>Überschreiben</source>
        <translation>Overwrite</translation>
    </message>
</context>
<context>
    <name>KivSerialPage</name>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="11"/>
        <source>Serielle Verbindung</source>
        <translation>Serial connection</translation>
    </message>
</context>
<context>
    <name>KivServiceCard</name>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="26"/>
        <source>%1 (in %2 Tagen)</source>
        <translation>%1 (in %2 days)</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="39"/>
        <source>Zuletzt durchgeführt</source>
        <translation>Last carried out</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="47"/>
        <source>Nächster Termin</source>
        <translation>Next due</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="58"/>
        <source>Intervall</source>
        <translation>Interval</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="70"/>
        <source>Monate</source>
        <translation>months</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="76"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="85"/>
        <source>Übernehmen setzt die Zeit bis zum nächsten Termin auf das neue Intervall.</source>
        <translation>Applying restarts the time until the next date with the new interval.</translation>
    </message>
</context>
<context>
    <name>KivSettingsPage</name>
    <message>
        <location filename="../../qml/General/KivSettingsPage.qml" line="14"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
</context>
<context>
    <name>KivSimulatePage</name>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="11"/>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="31"/>
        <source>Gerät simulieren</source>
        <translation>Simulate device</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="22"/>
        <source>Die Seiten zeigen dann die Werte eines gespeicherten Beispielgeräts; es wird nichts an ein Gerät gesendet.</source>
        <translation>The pages then show the values of a stored sample device; nothing is sent to a device.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="31"/>
        <source>Gerät wird simuliert</source>
        <translation>Device is simulated</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="47"/>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="48"/>
        <source>Soll ein Gerät simuliert werden?</source>
        <translation>Should a device be simulated?</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="49"/>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="50"/>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>KivSpecialPage</name>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="12"/>
        <source>Veltaron internals</source>
        <translation>Veltaron internals</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="15"/>
        <source>Si auf Imp umstellen</source>
        <translation>Switch SI to imperial</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="16"/>
        <source>Imp auf Si umstellen</source>
        <translation>Switch imperial to SI</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="17"/>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="39"/>
        <source>Keine Verbindung mit einem Gerät!</source>
        <translation>No connection to a device!</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="65"/>
        <source>Auf Werkseinstellungen zurücksetzen!</source>
        <translation>Reset to factory settings!</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="72"/>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="110"/>
        <source>Firmwareupdate</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="79"/>
        <source>Neu auslesen</source>
        <translation>Read again</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="88"/>
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="88"/>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="96"/>
        <source>Bitte specifizieren Sie die Updatedatei</source>
        <translation>Please specify the update file</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="97"/>
        <source>bin files (*.bin)</source>
        <translation>bin files (*.bin)</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="111"/>
        <source>Die Firmware wird übertragen …</source>
        <translation>The firmware is being transferred …</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="122"/>
        <source>%1 Byte/s, noch etwa %2 s</source>
        <translation>%1 bytes/s, about %2 s left</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="124"/>
        <source>Der Bootloader des Geräts wird gestartet …</source>
        <translation>Starting the device&apos;s bootloader …</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="134"/>
        <source>Firmwareupdate fehlgeschlagen</source>
        <translation>Firmware update failed</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="136"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="151"/>
        <source>Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden.</source>
        <translation>The update file is missing, empty or cannot be read.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="154"/>
        <source>Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten.</source>
        <translation>The device&apos;s bootloader does not respond. Please check the connection and start the update again.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="157"/>
        <source>Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten.</source>
        <translation>The firmware transfer was interrupted. The device stays in its bootloader; please start the update again.</translation>
    </message>
</context>
<context>
    <name>MainKivApp</name>
    <message>
        <location filename="../../qml/MainKivApp.qml" line="32"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>NavigationItems</name>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="29"/>
        <source>Verbindungsmanager</source>
        <translation>Connection manager</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="30"/>
        <location filename="../../blocks/KivNavigationModel.cpp" line="64"/>
        <source>Live-Daten</source>
        <translation>Live data</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="31"/>
        <source>Ausgangskonfiguration</source>
        <translation>Output configuration</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="32"/>
        <source>Relaiseinstellungen</source>
        <translation>Relay settings</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="33"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="34"/>
        <source>Ampelfunktion(TLF)</source>
        <translation>Traffic light (TLF)</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="35"/>
        <source>BUS-Einstellungen</source>
        <translation>Bus settings</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="36"/>
        <source>Offset-Einstellungen</source>
        <translation>Offset settings</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="37"/>
        <source>Wartung</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="38"/>
        <source>LoRaWAN</source>
        <translation>LoRaWAN</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="45"/>
        <source>Expertenmodus</source>
        <translation>Expert mode</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="46"/>
        <source>Laden/Speichern</source>
        <translation>Load/Save</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="47"/>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="48"/>
        <source>Spracheinstellungen</source>
        <translation>Language settings</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="49"/>
        <source>Handbuch</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="50"/>
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="51"/>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="59"/>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="60"/>
        <source>Gerät simulieren</source>
        <translation>Simulate device</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="61"/>
        <source>Special</source>
        <translation>Special</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="63"/>
        <source>Geräteinformationen</source>
        <translation>Device information</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="66"/>
        <source>Ausgänge</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="67"/>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="69"/>
        <source>Einstellung</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="70"/>
        <source>Erzwingen</source>
        <translation>Force</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="72"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="73"/>
        <source>Kontakt</source>
        <translation>Contact</translation>
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
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="79"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="81"/>
        <source>Informationen</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="82"/>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="83"/>
        <source>Control Command</source>
        <translation>Control command</translation>
    </message>
</context>
</TS>
