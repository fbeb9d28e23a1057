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
        <location filename="../../core/KivBackend.cpp" line="333"/>
        <source>Kein COM-Port ausgewählt!</source>
        <translation>No COM port selected!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="133"/>
        <source>Das angeschlossene Gerät wird nicht unterstüzt.</source>
        <translation>The connected device is not supported.</translation>
    </message>
    <message>
        <location filename="../../core/KivDeviceCommands.cpp" line="149"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="948"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation>Error loading the file!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="951"/>
        <location filename="../../core/KivBackend.cpp" line="1009"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>The file does not match the connected device!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="968"/>
        <location filename="../../core/KivBackend.cpp" line="977"/>
        <location filename="../../core/KivBackend.cpp" line="1023"/>
        <source>Fehler beim Laden</source>
        <translation>Error while loading</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="984"/>
        <location filename="../../core/KivBackend.cpp" line="1047"/>
        <source>Werte ausgelesen und übertragen</source>
        <translation>Values read and transferred</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1053"/>
        <location filename="../../core/KivBackend.cpp" line="1062"/>
        <location filename="../../core/KivBackend.cpp" line="1096"/>
        <location filename="../../core/KivBackend.cpp" line="1102"/>
        <location filename="../../core/KivBackend.cpp" line="1113"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1029"/>
        <location filename="../../core/KivBackend.cpp" line="1121"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="635"/>
        <source>An %1 antwortet jetzt ein anderes Gerät (Seriennummer %2). Es wurde neu eingelesen; offene Änderungen wurden verworfen.</source>
        <translation>Another device now answers on %1 (serial number %2). It has been read as a new connection; pending changes were discarded.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1127"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation>Preview is only available for *.json files.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1132"/>
        <source>Angebene Datei existiert nicht.</source>
        <translation>The specified file does not exist.</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="239"/>
        <source>Keine Auswahl</source>
        <translation>No selection</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="249"/>
        <source>mix</source>
        <translation>mix</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="252"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="254"/>
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
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="27"/>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="33"/>
        <source>Analogausgänge Spannung</source>
        <translation>Analogue outputs, voltage</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="34"/>
        <source>Analogausgänge Spannung/Strom</source>
        <translation>Analogue outputs, voltage/current</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="35"/>
        <source>Relais</source>
        <translation>Relays</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="37"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="41"/>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="60"/>
        <source>GERÄTEINFORMATIONEN</source>
        <translation>DEVICE INFORMATION</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="61"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="69"/>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="80"/>
        <source>Gerätename</source>
        <translation>Device name</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="87"/>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="94"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="123"/>
        <source>Hauptplatine</source>
        <translation>Main board</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="101"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="130"/>
        <source>Optionsplatine</source>
        <translation>Option board</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="112"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="137"/>
        <source>Versionen (vollständig)</source>
        <translation>Versions (complete)</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="145"/>
        <source>Nach Firmware-Update suchen</source>
        <translation>Check for firmware update</translation>
    </message>
</context>
<context>
    <name>KivExpertCo2Page</name>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="26"/>
        <source>CO2 JUSTIERUNG</source>
        <translation>CO2 ADJUSTMENT</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="34"/>
        <source>Justierung</source>
        <translation>Adjustment</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="47"/>
        <source>Frischluftjustierung:</source>
        <translation>Fresh-air adjustment:</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="56"/>
        <source>manuell</source>
        <translation>manual</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="56"/>
        <source>automatisch</source>
        <translation>automatic</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="65"/>
        <source>Konzentration Justiergas¹:</source>
        <translation>Adjustment gas concentration¹:</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="91"/>
        <source>Bitte die Konzentration des Justiergases eingeben (400 bis 2000 ppm).</source>
        <translation>Please enter the concentration of the adjustment gas (400 to 2000 ppm).</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="103"/>
        <source>Justierung starten</source>
        <translation>Start adjustment</translation>
    </message>
</context>
<context>
    <name>KivExpertModeContainer</name>
    <message>
        <location filename="../../blocks/KivExpertModeContainer.cpp" line="32"/>
        <source>Achtung: Das Gerät muss mindestens für 20 Minuten unter Frischluft- bedingungen betrieben werden. Sobald diese Bedingungen erfüllt ist, kann der Vorgang gestartet werden. Das Gerät startet im Anschluss neu und führt den Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten dauern.</source>
        <translation>Attention: the device must have been operated in fresh air for at least 20 minutes. As soon as this condition is met, the procedure can be started. The device then restarts and carries out the adjustment on its own. The procedure can take up to two minutes.</translation>
    </message>
    <message>
        <location filename="../../blocks/KivExpertModeContainer.cpp" line="40"/>
        <source>Hinweis: Die automatische Frischluftjustierung ist werksseitig deaktiviert. Zur Optimierung der Langzeitstabilität des Sensors kann die automatische Justierung aktiviert werden. Hierbei ist zu beachten, dass eine Frischluftzufuhr von ca. 400 ppm regelmäßig gegeben sein muss. In Anwendungen, wo diese Anforderung nicht erfüllt werden kann (Krankenhäuser, Flughäfen, Tierzucht etc.), wird strengstens davon abgeraten, die automatische Justierung zu aktivieren.</source>
        <translation>Note: the automatic fresh-air adjustment is disabled at the factory. To improve the sensor&apos;s long-term stability, the automatic adjustment can be enabled. It requires a regular supply of fresh air of about 400 ppm. In applications where this cannot be ensured (hospitals, airports, livestock farming etc.), enabling the automatic adjustment is strongly discouraged.</translation>
    </message>
    <message>
        <location filename="../../blocks/KivExpertModeContainer.cpp" line="49"/>
        <source>¹ Der Sensor ermöglicht die manuelle Justierung unter Referenz- bedingungen. So lässt sich auch bei Geräten, die bereits seit einigen Jahren in unterschiedlichsten Bedingungen in Betrieb sind, eine hohe Genauigkeit erzielen. Zur Justierung muss die Konzentration des Justiergases manuell eingetragen werden. Sobald der Vorgang gestartet wurde, startet das Gerät neu und führt den Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten dauern. 
Genauere Informationen finden Sie der Justieranleitung: Link tbd</source>
        <translation>¹ The sensor can be adjusted manually under reference conditions. This gives high accuracy even for devices that have been in service for several years under the most varied conditions. For the adjustment, enter the concentration of the adjustment gas. Once the procedure has been started, the device restarts and carries out the adjustment on its own. The procedure can take up to two minutes. 
For details see the adjustment instructions: Link tbd</translation>
    </message>
</context>
<context>
    <name>KivExpertModePage</name>
    <message>
        <location filename="../../qml/Expert/KivExpertModePage.qml" line="55"/>
        <source>EXPERTENMODUS</source>
        <translation>EXPERT MODE</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertModePage.qml" line="56"/>
        <source>Passwort erforderlich</source>
        <translation>Password required</translation>
    </message>
</context>
<context>
    <name>KivExpertPasswordPopup</name>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="17"/>
        <source>Expertenmodus</source>
        <translation>Expert mode</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="18"/>
        <source>Bitte Passwort eingeben:</source>
        <translation>Please enter the password:</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="19"/>
        <source>Bestätigen</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="20"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="58"/>
        <source>Passwort falsch!</source>
        <translation>Wrong password!</translation>
    </message>
</context>
<context>
    <name>KivExpertVocPage</name>
    <message>
        <location filename="../../qml/Expert/KivExpertVocPage.qml" line="20"/>
        <source>VOC JUSTIERUNG</source>
        <translation>VOC ADJUSTMENT</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertVocPage.qml" line="28"/>
        <source>Justierung</source>
        <translation>Adjustment</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertVocPage.qml" line="48"/>
        <source>Justierung starten</source>
        <translation>Start adjustment</translation>
    </message>
</context>
<context>
    <name>KivExpertWaitPopup</name>
    <message>
        <location filename="../../qml/Expert/KivExpertWaitPopup.qml" line="23"/>
        <source>Bitte warten!</source>
        <translation>Please wait!</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertWaitPopup.qml" line="24"/>
        <source>Das Gerät startet neu und führt die Justierung durch.</source>
        <translation>The device restarts and carries out the adjustment.</translation>
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
    <name>KivLcdPage</name>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="41"/>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="172"/>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="41"/>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="172"/>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="66"/>
        <source>DISPLAY</source>
        <translation>DISPLAY</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="67"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="76"/>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="88"/>
        <source>Helligkeit:</source>
        <translation>Brightness:</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="114"/>
        <source>Drehung:</source>
        <translation>Rotation:</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="130"/>
        <source>Anzahl Sensoren:</source>
        <translation>Number of sensors:</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="150"/>
        <source>Hinweise und Relais</source>
        <translation>Notes and relays</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="165"/>
        <source>Servicehinweis</source>
        <translation>Service note</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="182"/>
        <source>Kalibrierhinweis anzeigen</source>
        <translation>Show calibration note</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="190"/>
        <source>Zustand Relais 1 anzeigen</source>
        <translation>Show relay 1 state</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="198"/>
        <source>Zustand Relais 2 anzeigen</source>
        <translation>Show relay 2 state</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="209"/>
        <source>Angezeigte Kanäle</source>
        <translation>Channels shown</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="224"/>
        <source>Kanal %1 anzeigen</source>
        <translation>Show channel %1</translation>
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
    <name>KivLoadPreviewPopup</name>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="25"/>
        <source>Vorschau: %1</source>
        <translation>Preview: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="26"/>
        <source>Die Änderungen werden ermittelt …</source>
        <translation>Determining the changes …</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="27"/>
        <source>Die Datei enthält keine Änderungen gegenüber dem Gerät. Es wird nichts geschrieben.</source>
        <translation>The file holds no changes against the device. Nothing is written.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="28"/>
        <source>%n Einstellung(en) werden am Gerät geändert:</source>
        <translation>
            <numerusform>%n setting will be changed on the device:</numerusform>
            <numerusform>%n settings will be changed on the device:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="29"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="29"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="30"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="63"/>
        <source>Einstellung</source>
        <translation>Setting</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="63"/>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="63"/>
        <source>Datei</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>KivLoraBlock</name>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="162"/>
        <source>Bitte genau %1 hexadezimale Ziffern (0-9, A-F) eingeben; Leerzeichen zwischen den Gruppen sind erlaubt. Es wurde nichts übertragen.</source>
        <translation>Please enter exactly %1 hexadecimal digits (0-9, A-F); blanks between the groups are allowed. Nothing was transferred.</translation>
    </message>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="218"/>
        <source>Die Kanalmaske braucht 1 bis 8 hexadezimale Ziffern (0-9, A-F).</source>
        <translation>The channel mask needs 1 to 8 hexadecimal digits (0-9, A-F).</translation>
    </message>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="244"/>
        <source>Die Kanalmaske braucht 1 bis 32 Binärziffern (0 oder 1).</source>
        <translation>The channel mask needs 1 to 32 binary digits (0 or 1).</translation>
    </message>
</context>
<context>
    <name>KivLoraCommandPage</name>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="34"/>
        <source>CONTROL COMMAND</source>
        <translation>CONTROL COMMAND</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="35"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation>No LoRaWAN data available</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="43"/>
        <source>Reset config</source>
        <translation>Reset config</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="55"/>
        <source>Setzt die LoRaWAN-Konfiguration des Funkmoduls (Application EUI und Key, Netzwerkparameter und Intervalle) auf die Werkseinstellungen zurück. Das Gerät muss sich danach neu im Netzwerk anmelden.</source>
        <translation>Resets the LoRaWAN configuration of the radio module (application EUI and key, network parameters and intervals) to the factory settings. The device then has to join the network again.</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="65"/>
        <source>Soll die LoRaWAN-Konfiguration wirklich zurückgesetzt werden?</source>
        <translation>Do you really want to reset the LoRaWAN configuration?</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="83"/>
        <source>Auf Werkseinstellungen zurücksetzen</source>
        <translation>Reset to factory settings</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="94"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="102"/>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="117"/>
        <source>Befehl gesendet. Die Werte werden neu ausgelesen.</source>
        <translation>Command sent. The values are being read again.</translation>
    </message>
</context>
<context>
    <name>KivLoraInfoPage</name>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="33"/>
        <source>LORAWAN-INFORMATIONEN</source>
        <translation>LORAWAN INFORMATION</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="34"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation>No LoRaWAN data available</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="42"/>
        <source>Identität</source>
        <translation>Identity</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="54"/>
        <source>Device EUI</source>
        <translation>Device EUI</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="62"/>
        <source>Application EUI</source>
        <translation>Application EUI</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="70"/>
        <source>Application Key</source>
        <translation>Application key</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="78"/>
        <source>LoRaWAN-Version</source>
        <translation>LoRaWAN version</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="89"/>
        <source>Netzwerk</source>
        <translation>Network</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="101"/>
        <source>Frequenzregion (Code)</source>
        <translation>Frequency region (code)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="109"/>
        <source>Datenrate</source>
        <translation>Data rate</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="117"/>
        <source>Adaptive Datenrate</source>
        <translation>Adaptive data rate</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="118"/>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="118"/>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="125"/>
        <source>Kanalmaske</source>
        <translation>Channel mask</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="133"/>
        <source>Sendeintervall</source>
        <translation>Uplink interval</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="134"/>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
</context>
<context>
    <name>KivLoraParameterPage</name>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="44"/>
        <source>LORAWAN-PARAMETER</source>
        <translation>LORAWAN PARAMETERS</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="45"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation>No LoRaWAN data available</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="53"/>
        <source>Identität</source>
        <translation>Identity</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="67"/>
        <source>Device EUI</source>
        <translation>Device EUI</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="84"/>
        <source>Application EUI</source>
        <translation>Application EUI</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="105"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="142"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="348"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="119"/>
        <source>Application Key</source>
        <translation>Application key</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="134"/>
        <source>32 hexadezimale Ziffern</source>
        <translation>32 hexadecimal digits</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="156"/>
        <source>LoRaWAN-Version</source>
        <translation>LoRaWAN version</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="186"/>
        <source>Funk</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="200"/>
        <source>Frequenzregion (Code)</source>
        <translation>Frequency region (code)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="216"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="232"/>
        <source>Adaptive Datenrate (ADR)</source>
        <translation>Adaptive data rate (ADR)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="239"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="435"/>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="239"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="435"/>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="247"/>
        <source>Standard-Datenrate</source>
        <translation>Default data rate</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="270"/>
        <source>Sendeleistung (Stufe)</source>
        <translation>Transmit power (level)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="286"/>
        <source>Wiederholungen (NbTrans)</source>
        <translation>Transmissions (NbTrans)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="302"/>
        <source>Bestätigte Nachrichten</source>
        <translation>Confirmed messages</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="309"/>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="309"/>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="317"/>
        <source>Kanalmaske (binär)</source>
        <translation>Channel mask (binary)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="341"/>
        <source>hexadezimal %1</source>
        <translation>hexadecimal %1</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="366"/>
        <source>Intervalle und Anzeige</source>
        <translation>Intervals and indication</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="380"/>
        <source>Sendeintervall (min)</source>
        <translation>Uplink interval (min)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="396"/>
        <source>Heartbeat (min)</source>
        <translation>Heartbeat (min)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="412"/>
        <source>Rejoin-Intervall (min)</source>
        <translation>Rejoin interval (min)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="428"/>
        <source>LED-Anzeige</source>
        <translation>LED indication</translation>
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
    <name>KivPortEntry</name>
    <message>
        <location filename="../../qml/Connect/KivPortEntry.qml" line="35"/>
        <source>Seriennummer %1</source>
        <translation>Serial number %1</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivPortEntry.qml" line="37"/>
        <source>derzeit %1</source>
        <translation>currently %1</translation>
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
    <name>KivReconnectPopup</name>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="17"/>
        <source>Verbindung unterbrochen</source>
        <translation>Connection interrupted</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="18"/>
        <source>Das Gerät an %1 antwortet nicht mehr. Nach einem Neustart oder wenn das Kabel wieder steckt, wird es automatisch neu verbunden und eingelesen.</source>
        <translation>The device on %1 no longer answers. Once it has restarted or the cable is plugged in again, it is reconnected and read automatically.</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="22"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="36"/>
        <source>Anschluss vorhanden – Gerät wird gesucht …</source>
        <translation>Port present – looking for the device …</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="37"/>
        <source>Anschluss nicht vorhanden – bitte Kabel prüfen.</source>
        <translation>Port not present – please check the cable.</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="73"/>
        <source>Noch %1 s</source>
        <translation>%1 s left</translation>
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
    <name>KivRs485</name>
    <message>
        <location filename="../../blocks/KivRs485.cpp" line="196"/>
        <source>Die Beschreibung enthält Zeichen, die das Gerät nicht speichern kann. Erlaubt sind nur Zeichen des westeuropäischen Zeichensatzes (Latin-1).</source>
        <translation>The description contains characters the device cannot store. Only characters of the Western European character set (Latin-1) are allowed.</translation>
    </message>
</context>
<context>
    <name>KivRs485Page</name>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="26"/>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="27"/>
        <source>Ungerade</source>
        <translation>Odd</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="28"/>
        <source>Gerade</source>
        <translation>Even</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="29"/>
        <source>Unbekannt (%1)</source>
        <translation>Unknown (%1)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="68"/>
        <source>BUS-EINSTELLUNGEN</source>
        <translation>BUS SETTINGS</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="69"/>
        <source>Kein Busmodul vorhanden</source>
        <translation>No bus module fitted</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="79"/>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="91"/>
        <source>MAC-Adresse (DIP-Schalter)</source>
        <translation>MAC address (DIP switches)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="91"/>
        <source>Busadresse (DIP-Schalter)</source>
        <translation>Bus address (DIP switches)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="99"/>
        <source>Baudrate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="100"/>
        <source>%1 Bit/s</source>
        <translation>%1 bit/s</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="108"/>
        <source>Übertragungsart</source>
        <translation>Transmission mode</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="116"/>
        <source>Parität</source>
        <translation>Parity</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="124"/>
        <source>Stoppbits</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="131"/>
        <source>Diese Werte sind durch DIP-Schalter und Busmodul festgelegt und können hier nicht geändert werden.</source>
        <translation>These values are set by the DIP switches and the bus module and cannot be changed here.</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="144"/>
        <source>BACnet-Geräte-ID</source>
        <translation>BACnet device ID</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="144"/>
        <source>Modbus-Adresse</source>
        <translation>Modbus address</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="158"/>
        <source>Offset der Geräte-ID</source>
        <translation>Device ID offset</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="158"/>
        <source>Adresse (Software)</source>
        <translation>Address (software)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="181"/>
        <source>Die Adresse gilt erst, wenn alle Adress-DIP-Schalter ausgeschaltet sind.</source>
        <translation>The address only applies when all address DIP switches are off.</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="194"/>
        <source>BACnet</source>
        <translation>BACnet</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="208"/>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="231"/>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="254"/>
        <source>COV-Meldungen</source>
        <translation>COV reporting</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="263"/>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="263"/>
        <source>deaktiviert</source>
        <translation>deactivated</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="275"/>
        <source>COV-Inkremente</source>
        <translation>COV increments</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="287"/>
        <source>Änderung eines Messwerts, ab der das Gerät eine COV-Meldung sendet; -1 = nicht gesetzt.</source>
        <translation>Change of a measured value at which the device sends a COV notification; -1 = not set.</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="308"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
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
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="59"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="104"/>
        <source>LADEN/SPEICHERN</source>
        <translation>LOAD/SAVE</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="105"/>
        <source>Verbunden mit %1</source>
        <translation>Connected to %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="106"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="115"/>
        <source>Konfiguration speichern</source>
        <translation>Save configuration</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="128"/>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="143"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="155"/>
        <source>Gespeicherte Dateien</source>
        <translation>Saved files</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="168"/>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="177"/>
        <source>Keine gespeicherten Dateien vorhanden.</source>
        <translation>No saved files.</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="218"/>
        <source>Gerät: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="227"/>
        <source>Geändert: %1</source>
        <translation>Modified: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="249"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="260"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="286"/>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="284"/>
        <source>Datei löschen</source>
        <translation>Delete file</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="285"/>
        <source>Soll die Datei &quot;%1&quot; gelöscht werden?</source>
        <translation>Delete the file &quot;%1&quot;?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="287"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="304"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="301"/>
        <source>Datei überschreiben</source>
        <translation>Overwrite file</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="302"/>
        <source>Die Datei &quot;%1&quot; existiert bereits. Soll sie überschrieben werden?</source>
        <translation>The file &quot;%1&quot; already exists. Overwrite it?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="303"/>
        <source>Überschreiben</source>
        <translation>Overwrite</translation>
    </message>
</context>
<context>
    <name>KivSerialPage</name>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="14"/>
        <source>Serielle Verbindung</source>
        <translation>Serial connection</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="42"/>
        <source>Gefundene Schnittstellen</source>
        <translation>Ports found</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="42"/>
        <source>Keine Schnittstelle gefunden</source>
        <translation>No port found</translation>
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
    <name>KivSettingCatalog</name>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="71"/>
        <source>Display: %1</source>
        <translation>Display: %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="72"/>
        <source>Ampelfunktion: %1</source>
        <translation>Traffic light: %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="76"/>
        <source>Einheitensystem</source>
        <translation>Unit system</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="78"/>
        <source>Höhe über NN [m]</source>
        <translation>Altitude above sea level [m]</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="80"/>
        <source>Spannungsbereich</source>
        <translation>Voltage range</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="82"/>
        <source>Maximale Spannung</source>
        <translation>Maximum voltage</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="84"/>
        <source>Anzeige</source>
        <translation>Display on</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="85"/>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="87"/>
        <source>Drehung</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="88"/>
        <source>Ampel</source>
        <translation>Traffic light</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="90"/>
        <source>Servicehinweis</source>
        <translation>Service note</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="92"/>
        <source>Kalibrierhinweis anzeigen</source>
        <translation>Show calibration note</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="93"/>
        <source>Zustand Relais 1 anzeigen</source>
        <translation>Show relay 1 state</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="95"/>
        <source>Zustand Relais 2 anzeigen</source>
        <translation>Show relay 2 state</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="96"/>
        <source>Anzahl Sensoren</source>
        <translation>Number of sensors</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="99"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="100"/>
        <source>Kanal %1 anzeigen</source>
        <translation>Show channel %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="103"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="130"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="190"/>
        <source>Kanal</source>
        <translation>Channel</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="104"/>
        <source>Farbe unter Schwelle 1</source>
        <translation>Colour below threshold 1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="106"/>
        <source>Farbe zwischen den Schwellen</source>
        <translation>Colour between the thresholds</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="107"/>
        <source>Farbe über Schwelle 2</source>
        <translation>Colour above threshold 2</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="109"/>
        <source>Schwelle 1</source>
        <translation>Threshold 1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="111"/>
        <source>Schwelle 2</source>
        <translation>Threshold 2</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="124"/>
        <source>Relais %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="133"/>
        <source>Unter Schwelle 1</source>
        <translation>Below threshold 1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="136"/>
        <source>Zwischen den Schwellen</source>
        <translation>Between the thresholds</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="139"/>
        <source>Über Schwelle 2</source>
        <translation>Above threshold 2</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="142"/>
        <source>Einschaltschwelle</source>
        <translation>Switch-on threshold</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="146"/>
        <source>Ausschaltschwelle</source>
        <translation>Switch-off threshold</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="150"/>
        <source>Hysterese</source>
        <translation>Hysteresis</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="160"/>
        <source>BACnet-Geräte-ID</source>
        <translation>BACnet device ID</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="160"/>
        <source>Modbus-Adresse</source>
        <translation>Modbus address</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="161"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="165"/>
        <source>BUS: %1</source>
        <translation>Bus: %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="165"/>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="179"/>
        <source>Messkanal %1</source>
        <translation>Measuring channel %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="180"/>
        <source>Messkanal %1 (%2)</source>
        <translation>Measuring channel %1 (%2)</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="185"/>
        <source>Messbereich Anfang</source>
        <translation>Range start</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="185"/>
        <source>Messbereich Ende</source>
        <translation>Range end</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="188"/>
        <source>Korrekturfaktor</source>
        <translation>Correction value</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="192"/>
        <source>Parameter %1</source>
        <translation>Parameter %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="207"/>
        <source>Register %1</source>
        <translation>Register %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="232"/>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="232"/>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="248"/>
        <source>metrisch (SI)</source>
        <translation>metric (SI)</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="250"/>
        <source>imperial</source>
        <translation>imperial</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="252"/>
        <source>Unbekannt (%1)</source>
        <translation>Unknown (%1)</translation>
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
    <name>KivTlfPage</name>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="48"/>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="52"/>
        <source>Der Wert liegt außerhalb des Messbereichs (%1 bis %2 %3).</source>
        <translation>The value lies outside the measuring range (%1 to %2 %3).</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="86"/>
        <source>AMPELFUNKTION</source>
        <translation>TRAFFIC LIGHT</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="87"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="96"/>
        <source>Ampel</source>
        <translation>Traffic light</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="108"/>
        <source>Ampelfunktion:</source>
        <translation>Traffic light:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="115"/>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="115"/>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="122"/>
        <source>Kanal:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="137"/>
        <source>Messbereich:</source>
        <translation>Measuring range:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="144"/>
        <source>%1 bis %2 %3</source>
        <translation>%1 to %2 %3</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="158"/>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="170"/>
        <source>Unter Schwelle 1:</source>
        <translation>Below threshold 1:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="171"/>
        <source>Zwischen den Schwellen:</source>
        <translation>Between the thresholds:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="172"/>
        <source>Über Schwelle 2:</source>
        <translation>Above threshold 2:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="218"/>
        <source>Schwellen</source>
        <translation>Thresholds</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="230"/>
        <source>Schwelle 1:</source>
        <translation>Threshold 1:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="252"/>
        <source>Schwelle 2:</source>
        <translation>Threshold 2:</translation>
    </message>
</context>
<context>
    <name>KivTrafficLogModel</name>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="106"/>
        <source>03 Lesen</source>
        <translation>03 Read</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="108"/>
        <source>06 Schreiben</source>
        <translation>06 Write</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="110"/>
        <source>16 Schreiben</source>
        <translation>16 Write multiple</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="114"/>
        <source>Rohdaten</source>
        <translation>Raw bytes</translation>
    </message>
    <message numerus="yes">
        <location filename="../../core/KivTrafficLogModel.cpp" line="120"/>
        <source>%n Byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Funktion</source>
        <translation>Function</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Startregister</source>
        <translation>First register</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Endregister</source>
        <translation>Last register</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Dauer [ms]</source>
        <translation>Duration [ms]</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="224"/>
        <source>Datenverkehr gespeichert unter %1</source>
        <translation>Traffic log saved to %1</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="226"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
</context>
<context>
    <name>KivTrafficLogPage</name>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="47"/>
        <source>DATENVERKEHR</source>
        <translation>TRAFFIC LOG</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="48"/>
        <source>%1 Anfragen, davon %2 fehlgeschlagen (höchstens %3 werden behalten)</source>
        <translation>%1 requests, %2 of them failed (at most %3 are kept)</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="64"/>
        <source>Neuen Anfragen folgen</source>
        <translation>Follow new requests</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="80"/>
        <source>Als CSV exportieren</source>
        <translation>Export as CSV</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="88"/>
        <source>Leeren</source>
        <translation>Clear</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Funktion</source>
        <translation>Function</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Werte / Fehler</source>
        <translation>Values / error</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="141"/>
        <source>Noch kein Datenverkehr aufgezeichnet.</source>
        <translation>No traffic recorded yet.</translation>
    </message>
</context>
<context>
    <name>KivUpdateFile</name>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="100"/>
        <source>Update ist bereits im Gange.</source>
        <translation>An update is already in progress.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="132"/>
        <location filename="../../files/KivUpdateFile.cpp" line="152"/>
        <source>Ein Download ist bereits in Gange</source>
        <translation>A download is already in progress</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="226"/>
        <source>Unexpected network reply received.</source>
        <translation>Unexpected network reply received.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="210"/>
        <location filename="../../files/KivUpdateFile.cpp" line="235"/>
        <source>Could not download update file.</source>
        <translation>Could not download update file.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="208"/>
        <source>Die Update-Liste wurde nicht vollständig geladen.</source>
        <translation>The update list was not loaded completely.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="252"/>
        <source>0 Bytes geladen</source>
        <translation>0 bytes downloaded</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="264"/>
        <source>Die Update-Liste ist beschädigt oder hat ein unbekanntes Format.</source>
        <translation>The update list is damaged or has an unknown format.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="305"/>
        <source>Invalid download Urls</source>
        <translation>Invalid download URLs</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="314"/>
        <source>Could not delete old data</source>
        <translation>Could not delete old data</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="322"/>
        <source>Could not create file to save data.</source>
        <translation>Could not create file to save data.</translation>
    </message>
</context>
<context>
    <name>KivUpdatePage</name>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="55"/>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="68"/>
        <source>Update-Liste wird geladen …</source>
        <translation>Downloading the update list …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="69"/>
        <source>Firmware der Hauptplatine wird geladen …</source>
        <translation>Downloading the main board firmware …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="70"/>
        <source>Firmware der Optionsplatine wird geladen …</source>
        <translation>Downloading the option board firmware …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="76"/>
        <source>%1 von %2 kB</source>
        <translation>%1 of %2 kB</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="77"/>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="109"/>
        <source>FIRMWARE-UPDATE</source>
        <translation>FIRMWARE UPDATE</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="110"/>
        <source>Kein Gerät verbunden</source>
        <translation>No device connected</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="118"/>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="413"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="129"/>
        <source>Gerätename</source>
        <translation>Device name</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="136"/>
        <source>Hauptplatine im Gerät</source>
        <translation>Main board in the device</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="143"/>
        <source>Optionsplatine im Gerät</source>
        <translation>Option board in the device</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="150"/>
        <source>Hauptplatine angeboten</source>
        <translation>Main board offered</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="157"/>
        <source>Optionsplatine angeboten</source>
        <translation>Option board offered</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="168"/>
        <source>Update suchen und laden</source>
        <translation>Find and download update</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="179"/>
        <source>Adresse der Update-Liste (http:, https: oder file:)</source>
        <translation>Address of the update list (http:, https: or file:)</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="202"/>
        <source>Nach Updates suchen</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="211"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="245"/>
        <source>Voraussichtliche Übertragungsdauer zum Gerät: Hauptplatine etwa %1 s, Optionsplatine etwa %2 s.</source>
        <translation>Expected transfer time to the device: main board about %1 s, option board about %2 s.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="260"/>
        <source>Einträge der Update-Liste</source>
        <translation>Entries of the update list</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="281"/>
        <source>%1: Hauptplatine %2, Optionsplatine %3</source>
        <translation>%1: main board %2, option board %3</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="289"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="307"/>
        <source>Update übertragen</source>
        <translation>Transfer update</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="318"/>
        <source>Während der Übertragung das Gerät nicht vom Kabel trennen und nicht ausschalten.</source>
        <translation>Do not disconnect or switch off the device during the transfer.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="326"/>
        <source>Update starten</source>
        <translation>Start update</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="337"/>
        <source>%1 wird übertragen …</source>
        <translation>Transferring %1 …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="338"/>
        <source>Der Bootloader des Geräts wird gestartet …</source>
        <translation>Starting the device&apos;s bootloader …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="342"/>
        <source>%1 – %2 Byte/s, noch etwa %3 s</source>
        <translation>%1 – %2 bytes/s, about %3 s left</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="368"/>
        <source>Neuere Firmware gefunden; sie wird geladen …</source>
        <translation>Newer firmware found; downloading it …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="372"/>
        <source>Kein Update verfügbar: Die Firmware des Geräts ist aktuell.</source>
        <translation>No update available: the device&apos;s firmware is up to date.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="373"/>
        <source>Für dieses Gerät ist kein Update verfügbar.</source>
        <translation>No update is available for this device.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="376"/>
        <source>Dieses Gerät ist in der Update-Liste nicht enthalten.</source>
        <translation>This device is not in the update list.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="380"/>
        <source>Firmware geladen. Das Update kann übertragen werden.</source>
        <translation>Firmware downloaded. The update can be transferred.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="384"/>
        <source>Download abgebrochen.</source>
        <translation>Download cancelled.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="388"/>
        <source>Download fehlgeschlagen (Netzwerkfehler %1). Adresse und Verbindung prüfen.</source>
        <translation>Download failed (network error %1). Check the address and the connection.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="405"/>
        <source>Hauptplatine</source>
        <translation>Main board</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="409"/>
        <source>Optionsplatine</source>
        <translation>Option board</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="417"/>
        <source>Hauptplatine übertragen; die Optionsplatine folgt gleich.</source>
        <translation>Main board transferred; the option board follows shortly.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="423"/>
        <source>Firmwareupdate erfolgreich abgeschlossen. Das Gerät wird neu ausgelesen.</source>
        <translation>Firmware update completed successfully. The device is being read again.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="427"/>
        <source>Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden. Bitte erneut herunterladen.</source>
        <translation>The update file is missing, empty or unreadable. Please download it again.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="431"/>
        <source>Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten.</source>
        <translation>The device&apos;s bootloader does not respond. Please check the connection and start the update again.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="435"/>
        <source>Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten.</source>
        <translation>The firmware transfer was interrupted. The device stays in its bootloader; please start the update again.</translation>
    </message>
</context>
<context>
    <name>KivWriteJson</name>
    <message>
        <location filename="../../files/KivWriteJson.cpp" line="160"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
</context>
<context>
    <name>KivWritePdf</name>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="89"/>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="91"/>
        <source>Gelb</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="93"/>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="95"/>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="115"/>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="115"/>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="131"/>
        <location filename="../../files/KivWritePdf.cpp" line="421"/>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="133"/>
        <source>Relative Feuchte</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="135"/>
        <source>Absolute Feuchte</source>
        <translation>Absolute humidity</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="137"/>
        <source>Enthalpie</source>
        <translation>Enthalpy</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="139"/>
        <source>Taupunkt</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="141"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="143"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="145"/>
        <source>CO2/VOC</source>
        <translation>CO2/VOC</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="147"/>
        <source>Volumenstrom</source>
        <translation>Air flow</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="149"/>
        <source>Druck</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="151"/>
        <location filename="../../files/KivWritePdf.cpp" line="422"/>
        <source>Helligkeit</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="153"/>
        <source>Kondensat</source>
        <translation>Condensate</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="155"/>
        <source>Luftdruck</source>
        <translation>Air pressure</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="157"/>
        <source>Volumenstrom 2</source>
        <translation>Air flow 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="159"/>
        <source>Druck 2</source>
        <translation>Pressure 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="242"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="329"/>
        <source>Protokoll vom:
</source>
        <translation>Report of:
</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="336"/>
        <source>Allgemeine Einstellungen:</source>
        <translation>General settings:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="337"/>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="338"/>
        <source>Einheitensystem: </source>
        <translation>Unit system: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="339"/>
        <source>Ort: </source>
        <translation>Location: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="339"/>
        <source>Höhe [m]: </source>
        <translation>Altitude [m]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="340"/>
        <source>Spannungsuntergrenze [V]: </source>
        <translation>Lower voltage limit [V]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="341"/>
        <source>Spannungsobergrenze [V]: </source>
        <translation>Upper voltage limit [V]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="342"/>
        <source>Versionsnummer: </source>
        <translation>Version: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="342"/>
        <source>Seriennummer: </source>
        <translation>Serial number: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="356"/>
        <source>Ausgang </source>
        <translation>Output </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="365"/>
        <source>Messbereich:</source>
        <translation>Measuring range:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="366"/>
        <source>Untergrenze: </source>
        <translation>Lower range: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="367"/>
        <source>Unteres Limit: </source>
        <translation>Lower limit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="368"/>
        <source>Obergrenze: </source>
        <translation>Upper range: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="369"/>
        <source>Oberes Limit: </source>
        <translation>Upper limit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="370"/>
        <location filename="../../files/KivWritePdf.cpp" line="470"/>
        <location filename="../../files/KivWritePdf.cpp" line="491"/>
        <source>Einheit: </source>
        <translation>Unit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="371"/>
        <source>Offset: </source>
        <translation>Offset: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="375"/>
        <source>Mischverhältnis: %1 : %2</source>
        <translation>Mixing ratio: %1 : %2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="380"/>
        <source>Ansprechzeit [s]: </source>
        <translation>Response time [s]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="381"/>
        <source>K-Faktor: </source>
        <translation>K factor: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="397"/>
        <source>Unbekannt: Id </source>
        <translation>Unknown: Id </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="399"/>
        <source>Hersteller: </source>
        <translation>Manufacturer: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="402"/>
        <source>Rund</source>
        <translation>Round</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="403"/>
        <source>Rechteckig</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="404"/>
        <source>Individuelle Fläche</source>
        <translation>Custom area</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="406"/>
        <source>Kanalform: </source>
        <translation>Duct shape: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="407"/>
        <source>Durchmesser [mm]: </source>
        <translation>Diameter [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="408"/>
        <source>Höhe Kanal [mm]: </source>
        <translation>Duct height [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="409"/>
        <source>Fläche [mm²]: </source>
        <translation>Area [mm²]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="411"/>
        <source>Breite Kanal [mm]: </source>
        <translation>Duct width [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="423"/>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="426"/>
        <source>Mittelwert</source>
        <translation>Average</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="427"/>
        <source>Minimalwert aus %1 1 und 2</source>
        <translation>Minimum of %1 1 and 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="428"/>
        <source>Maximalwert aus %1 1 und 2</source>
        <translation>Maximum of %1 1 and 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="429"/>
        <source>Mischart: </source>
        <translation>Mixing mode: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="443"/>
        <source>Display: </source>
        <translation>Display: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="444"/>
        <source>Display vorhanden</source>
        <translation>Display present</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="444"/>
        <source>Kein Display vorhanden</source>
        <translation>No display present</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="445"/>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="447"/>
        <source>Helligkeit[%]: </source>
        <translation>Brightness[%]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="448"/>
        <source>Rotation[°]: </source>
        <translation>Rotation[°]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="450"/>
        <source>Anzeige auf dem Display: </source>
        <translation>Shown on the display: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="452"/>
        <source>Kanal %1: </source>
        <translation>Channel %1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="452"/>
        <location filename="../../files/KivWritePdf.cpp" line="458"/>
        <source>Anzeige: </source>
        <translation>Shown: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="457"/>
        <source>Relais %1: </source>
        <translation>Relay %1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="467"/>
        <source>TLF:</source>
        <translation>TLF:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="469"/>
        <source>Messgröße: </source>
        <translation>Measure: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="471"/>
        <location filename="../../files/KivWritePdf.cpp" line="488"/>
        <source>Schwellwert 1: </source>
        <translation>Threshold 1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="472"/>
        <location filename="../../files/KivWritePdf.cpp" line="489"/>
        <source>Schwellwert 2: </source>
        <translation>Threshold 2: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="473"/>
        <source>Farbe Bereich 1: </source>
        <translation>Colour range 1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="474"/>
        <source>Farbe Bereich 2: </source>
        <translation>Colour range 2: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="475"/>
        <source>Farbe Bereich 3: </source>
        <translation>Colour range 3: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="486"/>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="490"/>
        <source>Hysterese: </source>
        <translation>Hysteresis: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="503"/>
        <source>Modbus</source>
        <translation>Modbus</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="504"/>
        <source>Adresse (BUS): </source>
        <translation>Address (bus): </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="505"/>
        <source>Adresse (App): </source>
        <translation>Address (app): </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="506"/>
        <source>Baudrate: </source>
        <translation>Baud rate: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="508"/>
        <source>Übertragungsart: </source>
        <translation>Transmission mode: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="509"/>
        <location filename="../../files/KivWritePdf.cpp" line="526"/>
        <source>Parität: </source>
        <translation>Parity: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="522"/>
        <source>BACnet</source>
        <translation>BACnet</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="523"/>
        <source>MAC-Adresse:: </source>
        <translation>MAC address:: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="524"/>
        <source>BACnet Offset-ID: </source>
        <translation>BACnet offset ID: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="525"/>
        <source>Übertragungsrate: </source>
        <translation>Transmission rate: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="527"/>
        <source>BACnet-Description: </source>
        <translation>BACnet description: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="528"/>
        <source>COV-U: </source>
        <translation>COV-U: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="528"/>
        <source>aktiv</source>
        <translation>active</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="528"/>
        <source>deaktiviert</source>
        <translation>deactivated</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="547"/>
        <source>Service: </source>
        <translation>Service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="548"/>
        <source>Serviceintervall: %1 Monate</source>
        <translation>Service interval: %1 months</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="549"/>
        <source>Kalibrierungsintervall: %1 Monate</source>
        <translation>Calibration interval: %1 months</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="550"/>
        <source>Letzter Service: </source>
        <translation>Last service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="550"/>
        <source>Letzte Kalibrierung: </source>
        <translation>Last calibration: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="551"/>
        <source>Nächster Service: </source>
        <translation>Next service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="551"/>
        <source>Nächster Kalibrierung: </source>
        <translation>Next calibration: </translation>
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
        <location filename="../../blocks/KivNavigationModel.cpp" line="65"/>
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
        <source>Datenverkehr</source>
        <translation>Traffic log</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="49"/>
        <source>Spracheinstellungen</source>
        <translation>Language settings</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="50"/>
        <source>Handbuch</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="51"/>
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="52"/>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="60"/>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="61"/>
        <source>Gerät simulieren</source>
        <translation>Simulate device</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="62"/>
        <source>Special</source>
        <translation>Special</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="64"/>
        <source>Geräteinformationen</source>
        <translation>Device information</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="67"/>
        <source>Ausgänge</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="68"/>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="70"/>
        <source>Einstellung</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="71"/>
        <source>Erzwingen</source>
        <translation>Force</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="73"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="74"/>
        <source>Kontakt</source>
        <translation>Contact</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="76"/>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="77"/>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="79"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="80"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="82"/>
        <source>Informationen</source>
        <translation>Information</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="83"/>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="84"/>
        <source>Control Command</source>
        <translation>Control command</translation>
    </message>
</context>
</TS>
