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
        <location filename="../../core/KivBackend.cpp" line="263"/>
        <source>Kein COM-Port ausgewählt!</source>
        <translation>No COM port selected!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="91"/>
        <source>Das angeschlossene Gerät wird nicht unterstüzt.</source>
        <translation>The connected device is not supported.</translation>
    </message>
    <message>
        <location filename="../../core/KivDeviceCommands.cpp" line="140"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="689"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation>Error loading the file!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="692"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>The file does not match the connected device!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="709"/>
        <location filename="../../core/KivBackend.cpp" line="723"/>
        <source>Fehler beim Laden</source>
        <translation>Error while loading</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="730"/>
        <source>Werte ausgelesen und übertragen</source>
        <translation>Values read and transferred</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="736"/>
        <location filename="../../core/KivBackend.cpp" line="745"/>
        <location filename="../../core/KivBackend.cpp" line="779"/>
        <location filename="../../core/KivBackend.cpp" line="785"/>
        <location filename="../../core/KivBackend.cpp" line="796"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="804"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="810"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation>Preview is only available for *.json files.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="815"/>
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
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="45"/>
        <source>LIVE-DATEN</source>
        <translation>LIVE DATA</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="46"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="54"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation>No measured values available.</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="81"/>
        <source>Sensorfehler</source>
        <translation>Sensor error</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="85"/>
        <source>Messbereich %1 … %2 %3</source>
        <translation>Range %1 … %2 %3</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="88"/>
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
    <name>KivReadJson</name>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="78"/>
        <source>Der Dateipfad is ungültig.</source>
        <translation>The file path is invalid.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="82"/>
        <source>Die Datei existiert nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="87"/>
        <source>Die Datei konnte nicht geöffnet werden.</source>
        <translation>The file could not be opened.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="93"/>
        <source>Die ausgewählte Datei hat keinen Inhalt.</source>
        <translation>The selected file is empty.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="110"/>
        <source>Die Datei enthält keine gültige Konfiguration.</source>
        <translation>The file does not contain a valid configuration.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="120"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>The file does not match the connected device!</translation>
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
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="70"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="123"/>
        <source>LADEN/SPEICHERN</source>
        <translation>LOAD/SAVE</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="124"/>
        <source>Verbunden mit %1</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="125"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="134"/>
        <source>Konfiguration speichern</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="147"/>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="162"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="174"/>
        <source>Gespeicherte Dateien</source>
        <translation>Saved files</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="187"/>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="196"/>
        <source>Keine gespeicherten Dateien vorhanden.</source>
        <translation>No saved files.</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="237"/>
        <source>Gerät: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="246"/>
        <source>Geändert: %1</source>
        <translation>Modified: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="268"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="279"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="305"/>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="303"/>
        <source>Datei löschen</source>
        <translation>Delete file</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="304"/>
        <source>Soll die Datei &quot;%1&quot; gelöscht werden?</source>
        <translation>Delete the file &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="306"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="323"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="320"/>
        <source>Datei überschreiben</source>
        <translation>Overwrite file</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="321"/>
        <source>Die Datei &quot;%1&quot; existiert bereits. Soll sie überschrieben werden?</source>
        <translation>The file &quot;%1&quot; already exists. Overwrite it?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="322"/>
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
    <name>KivWriteJson</name>
    <message>
        <location filename="../../files/KivWriteJson.cpp" line="159"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
</context>
<context>
    <name>KivWritePdf</name>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="87"/>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="89"/>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="91"/>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="93"/>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="113"/>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="113"/>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="159"/>
        <location filename="../../files/KivWritePdf.cpp" line="460"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="161"/>
        <source>Relative Feuchte</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="163"/>
        <source>Absolute Feuchte</source>
        <translation>Absolute humidity</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="165"/>
        <source>Enthalpie</source>
        <translation>Enthalpy</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="167"/>
        <source>Taupunkt</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="169"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="171"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="173"/>
        <source>CO2/VOC</source>
        <translation>CO2/VOC</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="175"/>
        <source>Volumenstrom</source>
        <translation>Air flow</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="177"/>
        <source>Druck</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="179"/>
        <location filename="../../files/KivWritePdf.cpp" line="461"/>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="181"/>
        <source>Kondensat</source>
        <translation>Condensate</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="183"/>
        <source>Luftdruck</source>
        <translation>Air pressure</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="185"/>
        <source>Volumenstrom 2</source>
        <translation>Air flow 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="187"/>
        <source>Druck 2</source>
        <translation>Pressure 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="281"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="368"/>
        <source>Protokoll vom:
</source>
        <translation>Report of:
</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="375"/>
        <source>Allgemeine Einstellungen:</source>
        <translation>General settings:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="376"/>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="377"/>
        <source>Einheitensystem: </source>
        <translation>Unit system: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="378"/>
        <source>Ort: </source>
        <translation>Location: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="378"/>
        <source>Höhe [m]: </source>
        <translation>Altitude [m]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="379"/>
        <source>Spannungsuntergrenze [V]: </source>
        <translation>Lower voltage limit [V]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="380"/>
        <source>Spannungsobergrenze [V]: </source>
        <translation>Upper voltage limit [V]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="381"/>
        <source>Versionsnummer: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="381"/>
        <source>Seriennummer: </source>
        <translation>Serial number: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="395"/>
        <source>Ausgang </source>
        <translation>Output </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="404"/>
        <source>Messbereich:</source>
        <translation>Measuring range:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="405"/>
        <source>Untergrenze: </source>
        <translation>Lower range: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="406"/>
        <source>Unteres Limit: </source>
        <translation>Lower limit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="407"/>
        <source>Obergrenze: </source>
        <translation>Upper range: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="408"/>
        <source>Oberes Limit: </source>
        <translation>Upper limit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="409"/>
        <location filename="../../files/KivWritePdf.cpp" line="509"/>
        <location filename="../../files/KivWritePdf.cpp" line="530"/>
        <source>Einheit: </source>
        <translation>Unit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="410"/>
        <source>Offset: </source>
        <translation>Offset: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="414"/>
        <source>Mischverhältnis: %1 : %2</source>
        <translation>Mixing ratio: %1 : %2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="419"/>
        <source>Ansprechzeit [s]: </source>
        <translation>Response time [s]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="420"/>
        <source>K-Faktor: </source>
        <translation>K factor: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="436"/>
        <source>Unbekannt: Id </source>
        <translation>Unknown: Id </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="438"/>
        <source>Hersteller: </source>
        <translation>Manufacturer: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="441"/>
        <source>Rund</source>
        <translation>Round</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="442"/>
        <source>Rechteckig</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="443"/>
        <source>Individuelle Fläche</source>
        <translation>Custom area</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="445"/>
        <source>Kanalform: </source>
        <translation>Duct shape: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="446"/>
        <source>Durchmesser [mm]: </source>
        <translation>Diameter [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="447"/>
        <source>Höhe Kanal [mm]: </source>
        <translation>Duct height [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="448"/>
        <source>Fläche [mm²]: </source>
        <translation>Area [mm²]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="450"/>
        <source>Breite Kanal [mm]: </source>
        <translation>Duct width [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="462"/>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="465"/>
        <source>Mittelwert</source>
        <translation>Average</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="466"/>
        <source>Minimalwert aus %1 1 und 2</source>
        <translation>Minimum of %1 1 and 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="467"/>
        <source>Maximalwert aus %1 1 und 2</source>
        <translation>Maximum of %1 1 and 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="468"/>
        <source>Mischart: </source>
        <translation>Mixing mode: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="482"/>
        <source>Display: </source>
        <translation>Display: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="483"/>
        <source>Display vorhanden</source>
        <translation>Display present</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="483"/>
        <source>Kein Display vorhanden</source>
        <translation>No display present</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="484"/>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="486"/>
        <source>Helligkeit[%]: </source>
        <translation>Brightness[%]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="487"/>
        <source>Rotation[°]: </source>
        <translation>Rotation[°]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="489"/>
        <source>Anzeige auf dem Display: </source>
        <translation>Shown on the display: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="491"/>
        <source>Kanal %1: </source>
        <translation>Channel %1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="491"/>
        <location filename="../../files/KivWritePdf.cpp" line="497"/>
        <source>Anzeige: </source>
        <translation>Shown: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="496"/>
        <source>Relais %1: </source>
        <translation>Relay %1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="506"/>
        <source>TLF:</source>
        <translation>TLF:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="508"/>
        <source>Messgröße: </source>
        <translation>Measure: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="510"/>
        <location filename="../../files/KivWritePdf.cpp" line="527"/>
        <source>Schwellwert 1: </source>
        <translation>Threshold 1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="511"/>
        <location filename="../../files/KivWritePdf.cpp" line="528"/>
        <source>Schwellwert 2: </source>
        <translation>Threshold 2: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="512"/>
        <source>Farbe Bereich 1: </source>
        <translation>Colour range 1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="513"/>
        <source>Farbe Bereich 2: </source>
        <translation>Colour range 2: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="514"/>
        <source>Farbe Bereich 3: </source>
        <translation>Colour range 3: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="525"/>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="529"/>
        <source>Hysterese: </source>
        <translation>Hysteresis: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="542"/>
        <source>Modbus</source>
        <translation>Modbus</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="543"/>
        <source>Adresse (BUS): </source>
        <translation>Address (bus): </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="544"/>
        <source>Adresse (App): </source>
        <translation>Address (app): </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="545"/>
        <source>Baudrate: </source>
        <translation>Baud rate: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="547"/>
        <source>Übertragungsart: </source>
        <translation>Transmission mode: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="548"/>
        <location filename="../../files/KivWritePdf.cpp" line="565"/>
        <source>Parität: </source>
        <translation>Parity: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="561"/>
        <source>BACnet</source>
        <translation>BACnet</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="562"/>
        <source>MAC-Adresse:: </source>
        <translation>MAC address:: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="563"/>
        <source>BACnet Offset-ID: </source>
        <translation>BACnet offset ID: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="564"/>
        <source>Übertragungsrate: </source>
        <translation>Transmission rate: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="566"/>
        <source>BACnet-Description: </source>
        <translation>BACnet description: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="567"/>
        <source>COV-U: </source>
        <translation>COV-U: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="567"/>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="567"/>
        <source>deaktiviert</source>
        <translation>deactivated</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="586"/>
        <source>Service: </source>
        <translation>Service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="587"/>
        <source>Serviceintervall: %1 Monate</source>
        <translation>Service interval: %1 months</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="588"/>
        <source>Kalibrierungsintervall: %1 Monate</source>
        <translation>Calibration interval: %1 months</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="589"/>
        <source>Letzter Service: </source>
        <translation>Last service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="589"/>
        <source>Letzte Kalibrierung: </source>
        <translation>Last calibration: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="590"/>
        <source>Nächster Service: </source>
        <translation>Next service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="590"/>
        <source>Nächster Kalibrierung: </source>
        <translation>Next calibration: </translation>
    </message>
</context>
<context>
    <name>MainKivApp</name>
    <message>
        <location filename="../../qml/MainKivApp.qml" line="30"/>
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
