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
        <location filename="../../core/KivBackend.cpp" line="259"/>
        <source>Kein COM-Port ausgewählt!</source>
        <translation>No COM port selected!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="87"/>
        <source>Das angeschlossene Gerät wird nicht unterstüzt.</source>
        <translation>The connected device is not supported.</translation>
    </message>
    <message>
        <location filename="../../core/KivDeviceCommands.cpp" line="140"/>
        <source>Ungültiges Datum</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="685"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation>Error loading the file!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="688"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>The file does not match the connected device!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="704"/>
        <source>Fehler beim Laden</source>
        <translation>Error while loading</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="710"/>
        <location filename="../../core/KivBackend.cpp" line="716"/>
        <location filename="../../core/KivBackend.cpp" line="747"/>
        <location filename="../../core/KivBackend.cpp" line="753"/>
        <location filename="../../core/KivBackend.cpp" line="764"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="772"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="778"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation>Preview is only available for *.json files.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="783"/>
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
