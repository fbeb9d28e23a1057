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
        <translation>ÜBER</translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="43"/>
        <source>KIV Raumsensoren</source>
        <translation>KIV Raumsensoren</translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="54"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location filename="../../qml/About/KivAboutPage.qml" line="61"/>
        <source>Konfiguration und Kalibrierung von KIV Raumsensoren über die serielle Schnittstelle.</source>
        <translation>Konfiguration und Kalibrierung von KIV Raumsensoren über die serielle Schnittstelle.</translation>
    </message>
</context>
<context>
    <name>KivBackend</name>
    <message>
        <location filename="../../core/KivBackend.cpp" line="333"/>
        <source>Kein COM-Port ausgewählt!</source>
        <translation>Kein COM-Port ausgewählt!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="133"/>
        <source>Das angeschlossene Gerät wird nicht unterstüzt.</source>
        <translation>Das angeschlossene Gerät wird nicht unterstüzt.</translation>
    </message>
    <message>
        <location filename="../../core/KivDeviceCommands.cpp" line="149"/>
        <source>Ungültiges Datum</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="948"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation>Fehler beim Laden der Datei!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="951"/>
        <location filename="../../core/KivBackend.cpp" line="1009"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>Die Datei passt nicht zum verbundenen Gerät!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="968"/>
        <location filename="../../core/KivBackend.cpp" line="977"/>
        <location filename="../../core/KivBackend.cpp" line="1023"/>
        <source>Fehler beim Laden</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="984"/>
        <location filename="../../core/KivBackend.cpp" line="1047"/>
        <source>Werte ausgelesen und übertragen</source>
        <translation>Werte ausgelesen und übertragen</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1053"/>
        <location filename="../../core/KivBackend.cpp" line="1062"/>
        <location filename="../../core/KivBackend.cpp" line="1096"/>
        <location filename="../../core/KivBackend.cpp" line="1102"/>
        <location filename="../../core/KivBackend.cpp" line="1113"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Speichern ist fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1029"/>
        <location filename="../../core/KivBackend.cpp" line="1121"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Laden fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="635"/>
        <source>An %1 antwortet jetzt ein anderes Gerät (Seriennummer %2). Es wurde neu eingelesen; offene Änderungen wurden verworfen.</source>
        <translation>An %1 antwortet jetzt ein anderes Gerät (Seriennummer %2). Es wurde neu eingelesen; offene Änderungen wurden verworfen.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1127"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation>Vorschau nur für *.json Dateien möglich.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="1132"/>
        <source>Angebene Datei existiert nicht.</source>
        <translation>Angebene Datei existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="239"/>
        <source>Keine Auswahl</source>
        <translation>Keine Auswahl</translation>
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
        <translation>VERBINDUNGSMANAGER</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="58"/>
        <source>Verbunden mit %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivConnectionPage.qml" line="59"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
</context>
<context>
    <name>KivContactPage</name>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="12"/>
        <source>KONTAKT</source>
        <translation>KONTAKT</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="13"/>
        <source>Service und Kalibrierung</source>
        <translation>Service und Kalibrierung</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="33"/>
        <source>Abteilung</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="34"/>
        <source>Kundendienst</source>
        <translation>Kundendienst</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="41"/>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="49"/>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="56"/>
        <source>Bitte halten Sie die Seriennummer des Geräts bereit: %1</source>
        <translation>Bitte halten Sie die Seriennummer des Geräts bereit: %1</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivContactPage.qml" line="65"/>
        <source>E-Mail schreiben</source>
        <translation>E-Mail schreiben</translation>
    </message>
</context>
<context>
    <name>KivDatenblock</name>
    <message>
        <location filename="../../core/KivDatenblock.cpp" line="89"/>
        <source>Falsche ByteArray größe: %1 of %2</source>
        <translation>Falsche ByteArray größe: %1 of %2</translation>
    </message>
</context>
<context>
    <name>KivDefaultPage</name>
    <message>
        <location filename="../../qml/Ui/KivDefaultPage.qml" line="24"/>
        <source>IN VORBEREITUNG</source>
        <translation>IN VORBEREITUNG</translation>
    </message>
    <message>
        <location filename="../../qml/Ui/KivDefaultPage.qml" line="31"/>
        <source>Diese Seite steht in dieser Version noch nicht zur Verfügung.</source>
        <translation>Diese Seite steht in dieser Version noch nicht zur Verfügung.</translation>
    </message>
</context>
<context>
    <name>KivDeviceInfoPage</name>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="27"/>
        <source>Unbekannt</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="33"/>
        <source>Analogausgänge Spannung</source>
        <translation>Analogausgänge Spannung</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="34"/>
        <source>Analogausgänge Spannung/Strom</source>
        <translation>Analogausgänge Spannung/Strom</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="35"/>
        <source>Relais</source>
        <translation>Relais</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="37"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="41"/>
        <source>Keine</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="60"/>
        <source>GERÄTEINFORMATIONEN</source>
        <translation>GERÄTEINFORMATIONEN</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="61"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="69"/>
        <source>Gerät</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="80"/>
        <source>Gerätename</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="87"/>
        <source>Seriennummer</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="94"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="123"/>
        <source>Hauptplatine</source>
        <translation>Hauptplatine</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="101"/>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="130"/>
        <source>Optionsplatine</source>
        <translation>Optionsplatine</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="112"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="137"/>
        <source>Versionen (vollständig)</source>
        <translation>Versionen (vollständig)</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivDeviceInfoPage.qml" line="145"/>
        <source>Nach Firmware-Update suchen</source>
        <translation>Nach Firmware-Update suchen</translation>
    </message>
</context>
<context>
    <name>KivExpertCo2Page</name>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="26"/>
        <source>CO2 JUSTIERUNG</source>
        <translation>CO2 JUSTIERUNG</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="34"/>
        <source>Justierung</source>
        <translation>Justierung</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="47"/>
        <source>Frischluftjustierung:</source>
        <translation>Frischluftjustierung:</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="56"/>
        <source>manuell</source>
        <translation>manuell</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="56"/>
        <source>automatisch</source>
        <translation>automatisch</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="65"/>
        <source>Konzentration Justiergas¹:</source>
        <translation>Konzentration Justiergas¹:</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="91"/>
        <source>Bitte die Konzentration des Justiergases eingeben (400 bis 2000 ppm).</source>
        <translation>Bitte die Konzentration des Justiergases eingeben (400 bis 2000 ppm).</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertCo2Page.qml" line="103"/>
        <source>Justierung starten</source>
        <translation>Justierung starten</translation>
    </message>
</context>
<context>
    <name>KivExpertModeContainer</name>
    <message>
        <location filename="../../blocks/KivExpertModeContainer.cpp" line="32"/>
        <source>Achtung: Das Gerät muss mindestens für 20 Minuten unter Frischluft- bedingungen betrieben werden. Sobald diese Bedingungen erfüllt ist, kann der Vorgang gestartet werden. Das Gerät startet im Anschluss neu und führt den Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten dauern.</source>
        <translation>Achtung: Das Gerät muss mindestens für 20 Minuten unter Frischluft- bedingungen betrieben werden. Sobald diese Bedingungen erfüllt ist, kann der Vorgang gestartet werden. Das Gerät startet im Anschluss neu und führt den Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten dauern.</translation>
    </message>
    <message>
        <location filename="../../blocks/KivExpertModeContainer.cpp" line="40"/>
        <source>Hinweis: Die automatische Frischluftjustierung ist werksseitig deaktiviert. Zur Optimierung der Langzeitstabilität des Sensors kann die automatische Justierung aktiviert werden. Hierbei ist zu beachten, dass eine Frischluftzufuhr von ca. 400 ppm regelmäßig gegeben sein muss. In Anwendungen, wo diese Anforderung nicht erfüllt werden kann (Krankenhäuser, Flughäfen, Tierzucht etc.), wird strengstens davon abgeraten, die automatische Justierung zu aktivieren.</source>
        <translation>Hinweis: Die automatische Frischluftjustierung ist werksseitig deaktiviert. Zur Optimierung der Langzeitstabilität des Sensors kann die automatische Justierung aktiviert werden. Hierbei ist zu beachten, dass eine Frischluftzufuhr von ca. 400 ppm regelmäßig gegeben sein muss. In Anwendungen, wo diese Anforderung nicht erfüllt werden kann (Krankenhäuser, Flughäfen, Tierzucht etc.), wird strengstens davon abgeraten, die automatische Justierung zu aktivieren.</translation>
    </message>
    <message>
        <location filename="../../blocks/KivExpertModeContainer.cpp" line="49"/>
        <source>¹ Der Sensor ermöglicht die manuelle Justierung unter Referenz- bedingungen. So lässt sich auch bei Geräten, die bereits seit einigen Jahren in unterschiedlichsten Bedingungen in Betrieb sind, eine hohe Genauigkeit erzielen. Zur Justierung muss die Konzentration des Justiergases manuell eingetragen werden. Sobald der Vorgang gestartet wurde, startet das Gerät neu und führt den Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten dauern. 
Genauere Informationen finden Sie der Justieranleitung: Link tbd</source>
        <translation>¹ Der Sensor ermöglicht die manuelle Justierung unter Referenz- bedingungen. So lässt sich auch bei Geräten, die bereits seit einigen Jahren in unterschiedlichsten Bedingungen in Betrieb sind, eine hohe Genauigkeit erzielen. Zur Justierung muss die Konzentration des Justiergases manuell eingetragen werden. Sobald der Vorgang gestartet wurde, startet das Gerät neu und führt den Justiervorgang eigenständig durch. Der Vorgang kann bis zu zwei Minuten dauern. 
Genauere Informationen finden Sie der Justieranleitung: Link tbd</translation>
    </message>
</context>
<context>
    <name>KivExpertModePage</name>
    <message>
        <location filename="../../qml/Expert/KivExpertModePage.qml" line="55"/>
        <source>EXPERTENMODUS</source>
        <translation>EXPERTENMODUS</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertModePage.qml" line="56"/>
        <source>Passwort erforderlich</source>
        <translation>Passwort erforderlich</translation>
    </message>
</context>
<context>
    <name>KivExpertPasswordPopup</name>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="17"/>
        <source>Expertenmodus</source>
        <translation>Expertenmodus</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="18"/>
        <source>Bitte Passwort eingeben:</source>
        <translation>Bitte Passwort eingeben:</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="19"/>
        <source>Bestätigen</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="20"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertPasswordPopup.qml" line="58"/>
        <source>Passwort falsch!</source>
        <translation>Passwort falsch!</translation>
    </message>
</context>
<context>
    <name>KivExpertVocPage</name>
    <message>
        <location filename="../../qml/Expert/KivExpertVocPage.qml" line="20"/>
        <source>VOC JUSTIERUNG</source>
        <translation>VOC JUSTIERUNG</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertVocPage.qml" line="28"/>
        <source>Justierung</source>
        <translation>Justierung</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertVocPage.qml" line="48"/>
        <source>Justierung starten</source>
        <translation>Justierung starten</translation>
    </message>
</context>
<context>
    <name>KivExpertWaitPopup</name>
    <message>
        <location filename="../../qml/Expert/KivExpertWaitPopup.qml" line="23"/>
        <source>Bitte warten!</source>
        <translation>Bitte warten!</translation>
    </message>
    <message>
        <location filename="../../qml/Expert/KivExpertWaitPopup.qml" line="24"/>
        <source>Das Gerät startet neu und führt die Justierung durch.</source>
        <translation>Das Gerät startet neu und führt die Justierung durch.</translation>
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
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLive.qml" line="13"/>
        <source>Live-Daten</source>
        <translation>Live-Daten</translation>
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
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterLora.qml" line="14"/>
        <source>Befehle</source>
        <translation>Befehle</translation>
    </message>
</context>
<context>
    <name>KivFooterOutput</name>
    <message>
        <location filename="../../qml/Footer/KivFooterOutput.qml" line="12"/>
        <source>Ausgänge</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterOutput.qml" line="13"/>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
</context>
<context>
    <name>KivFooterRelais</name>
    <message>
        <location filename="../../qml/Footer/KivFooterRelais.qml" line="12"/>
        <source>Relais</source>
        <translation>Relais</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterRelais.qml" line="13"/>
        <source>Zwangssteuerung</source>
        <translation>Zwangssteuerung</translation>
    </message>
</context>
<context>
    <name>KivFooterService</name>
    <message>
        <location filename="../../qml/Footer/KivFooterService.qml" line="12"/>
        <source>Wartung</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <location filename="../../qml/Footer/KivFooterService.qml" line="13"/>
        <source>Kontakt</source>
        <translation>Kontakt</translation>
    </message>
</context>
<context>
    <name>KivLcdPage</name>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="41"/>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="172"/>
        <source>an</source>
        <translation>an</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="41"/>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="172"/>
        <source>aus</source>
        <translation>aus</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="66"/>
        <source>DISPLAY</source>
        <translation>DISPLAY</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="67"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="76"/>
        <source>Anzeige</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="88"/>
        <source>Helligkeit:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="114"/>
        <source>Drehung:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="130"/>
        <source>Anzahl Sensoren:</source>
        <translation>Anzahl Sensoren:</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="150"/>
        <source>Hinweise und Relais</source>
        <translation>Hinweise und Relais</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="165"/>
        <source>Servicehinweis</source>
        <translation>Servicehinweis</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="182"/>
        <source>Kalibrierhinweis anzeigen</source>
        <translation>Kalibrierhinweis anzeigen</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="190"/>
        <source>Zustand Relais 1 anzeigen</source>
        <translation>Zustand Relais 1 anzeigen</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="198"/>
        <source>Zustand Relais 2 anzeigen</source>
        <translation>Zustand Relais 2 anzeigen</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="209"/>
        <source>Angezeigte Kanäle</source>
        <translation>Angezeigte Kanäle</translation>
    </message>
    <message>
        <location filename="../../qml/Lcd/KivLcdPage.qml" line="224"/>
        <source>Kanal %1 anzeigen</source>
        <translation>Kanal %1 anzeigen</translation>
    </message>
</context>
<context>
    <name>KivLivePage</name>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="16"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>de</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="49"/>
        <source>LIVE-DATEN</source>
        <translation>LIVE-DATEN</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="50"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="58"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation>Keine Messwerte vorhanden.</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="88"/>
        <source>Sensorfehler</source>
        <translation>Sensorfehler</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="92"/>
        <source>Messbereich %1 … %2 %3</source>
        <translation>Messbereich %1 … %2 %3</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="95"/>
        <source>Ausgang %1: %2 V · %3 mA</source>
        <translation>Ausgang %1: %2 V · %3 mA</translation>
    </message>
</context>
<context>
    <name>KivLoadPreviewPopup</name>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="25"/>
        <source>Vorschau: %1</source>
        <translation>Vorschau: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="26"/>
        <source>Die Änderungen werden ermittelt …</source>
        <translation>Die Änderungen werden ermittelt …</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="27"/>
        <source>Die Datei enthält keine Änderungen gegenüber dem Gerät. Es wird nichts geschrieben.</source>
        <translation>Die Datei enthält keine Änderungen gegenüber dem Gerät. Es wird nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="28"/>
        <source>%n Einstellung(en) werden am Gerät geändert:</source>
        <translation>
            <numerusform>%n Einstellung wird am Gerät geändert:</numerusform>
            <numerusform>%n Einstellungen werden am Gerät geändert:</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="29"/>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="29"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="30"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="63"/>
        <source>Einstellung</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="63"/>
        <source>Gerät</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivLoadPreviewPopup.qml" line="63"/>
        <source>Datei</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>KivLoraBlock</name>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="162"/>
        <source>Bitte genau %1 hexadezimale Ziffern (0-9, A-F) eingeben; Leerzeichen zwischen den Gruppen sind erlaubt. Es wurde nichts übertragen.</source>
        <translation>Bitte genau %1 hexadezimale Ziffern (0-9, A-F) eingeben; Leerzeichen zwischen den Gruppen sind erlaubt. Es wurde nichts übertragen.</translation>
    </message>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="218"/>
        <source>Die Kanalmaske braucht 1 bis 8 hexadezimale Ziffern (0-9, A-F).</source>
        <translation>Die Kanalmaske braucht 1 bis 8 hexadezimale Ziffern (0-9, A-F).</translation>
    </message>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="244"/>
        <source>Die Kanalmaske braucht 1 bis 32 Binärziffern (0 oder 1).</source>
        <translation>Die Kanalmaske braucht 1 bis 32 Binärziffern (0 oder 1).</translation>
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
        <translation>Keine LoRaWAN-Daten vorhanden</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="43"/>
        <source>Reset config</source>
        <translation>Reset config</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="55"/>
        <source>Setzt die LoRaWAN-Konfiguration des Funkmoduls (Application EUI und Key, Netzwerkparameter und Intervalle) auf die Werkseinstellungen zurück. Das Gerät muss sich danach neu im Netzwerk anmelden.</source>
        <translation>Setzt die LoRaWAN-Konfiguration des Funkmoduls (Application EUI und Key, Netzwerkparameter und Intervalle) auf die Werkseinstellungen zurück. Das Gerät muss sich danach neu im Netzwerk anmelden.</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="65"/>
        <source>Soll die LoRaWAN-Konfiguration wirklich zurückgesetzt werden?</source>
        <translation>Soll die LoRaWAN-Konfiguration wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="83"/>
        <source>Auf Werkseinstellungen zurücksetzen</source>
        <translation>Auf Werkseinstellungen zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="94"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="102"/>
        <source>Zurücksetzen</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="117"/>
        <source>Befehl gesendet. Die Werte werden neu ausgelesen.</source>
        <translation>Befehl gesendet. Die Werte werden neu ausgelesen.</translation>
    </message>
</context>
<context>
    <name>KivLoraInfoPage</name>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="33"/>
        <source>LORAWAN-INFORMATIONEN</source>
        <translation>LORAWAN-INFORMATIONEN</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="34"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation>Keine LoRaWAN-Daten vorhanden</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="42"/>
        <source>Identität</source>
        <translation>Identität</translation>
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
        <translation>Application Key</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="78"/>
        <source>LoRaWAN-Version</source>
        <translation>LoRaWAN-Version</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="89"/>
        <source>Netzwerk</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="101"/>
        <source>Frequenzregion (Code)</source>
        <translation>Frequenzregion (Code)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="109"/>
        <source>Datenrate</source>
        <translation>Datenrate</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="117"/>
        <source>Adaptive Datenrate</source>
        <translation>Adaptive Datenrate</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="118"/>
        <source>an</source>
        <translation>an</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="118"/>
        <source>aus</source>
        <translation>aus</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="125"/>
        <source>Kanalmaske</source>
        <translation>Kanalmaske</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="133"/>
        <source>Sendeintervall</source>
        <translation>Sendeintervall</translation>
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
        <translation>LORAWAN-PARAMETER</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="45"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation>Keine LoRaWAN-Daten vorhanden</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="53"/>
        <source>Identität</source>
        <translation>Identität</translation>
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
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="119"/>
        <source>Application Key</source>
        <translation>Application Key</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="134"/>
        <source>32 hexadezimale Ziffern</source>
        <translation>32 hexadezimale Ziffern</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="156"/>
        <source>LoRaWAN-Version</source>
        <translation>LoRaWAN-Version</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="186"/>
        <source>Funk</source>
        <translation>Funk</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="200"/>
        <source>Frequenzregion (Code)</source>
        <translation>Frequenzregion (Code)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="216"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="232"/>
        <source>Adaptive Datenrate (ADR)</source>
        <translation>Adaptive Datenrate (ADR)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="239"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="435"/>
        <source>an</source>
        <translation>an</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="239"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="435"/>
        <source>aus</source>
        <translation>aus</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="247"/>
        <source>Standard-Datenrate</source>
        <translation>Standard-Datenrate</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="270"/>
        <source>Sendeleistung (Stufe)</source>
        <translation>Sendeleistung (Stufe)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="286"/>
        <source>Wiederholungen (NbTrans)</source>
        <translation>Wiederholungen (NbTrans)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="302"/>
        <source>Bestätigte Nachrichten</source>
        <translation>Bestätigte Nachrichten</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="309"/>
        <source>ja</source>
        <translation>ja</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="309"/>
        <source>nein</source>
        <translation>nein</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="317"/>
        <source>Kanalmaske (binär)</source>
        <translation>Kanalmaske (binär)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="341"/>
        <source>hexadezimal %1</source>
        <translation>hexadezimal %1</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="366"/>
        <source>Intervalle und Anzeige</source>
        <translation>Intervalle und Anzeige</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="380"/>
        <source>Sendeintervall (min)</source>
        <translation>Sendeintervall (min)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="396"/>
        <source>Heartbeat (min)</source>
        <translation>Heartbeat (min)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="412"/>
        <source>Rejoin-Intervall (min)</source>
        <translation>Rejoin-Intervall (min)</translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="428"/>
        <source>LED-Anzeige</source>
        <translation>LED-Anzeige</translation>
    </message>
</context>
<context>
    <name>KivMainView</name>
    <message>
        <location filename="../../qml/Ui/KivMainView.qml" line="12"/>
        <source>https://www.veltaron.de/downloads/KIV_Bedienungsanleitung_DE.pdf</source>
        <translation>https://www.veltaron.de/downloads/KIV_Bedienungsanleitung_DE.pdf</translation>
    </message>
</context>
<context>
    <name>KivMaintenancePage</name>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="9"/>
        <source>WARTUNG</source>
        <translation>WARTUNG</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="14"/>
        <source>Wartung</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivMaintenancePage.qml" line="25"/>
        <source>Kalibrierung</source>
        <translation>Kalibrierung</translation>
    </message>
</context>
<context>
    <name>KivOffsetPage</name>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="19"/>
        <source>OFFSET-EINSTELLUNGEN</source>
        <translation>OFFSET-EINSTELLUNGEN</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="24"/>
        <source>Der Korrekturfaktor wird zum Messwert addiert. Er wird eine Sekunde nach der letzten Änderung an das Gerät übertragen.</source>
        <translation>Der Korrekturfaktor wird zum Messwert addiert. Er wird eine Sekunde nach der letzten Änderung an das Gerät übertragen.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="32"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation>Keine Messwerte vorhanden.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetPage.qml" line="42"/>
        <source>Korrekturfaktor</source>
        <translation>Korrekturfaktor</translation>
    </message>
</context>
<context>
    <name>KivOffsetRow</name>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="22"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>de</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="34"/>
        <source>Bitte eine ganze Zahl eingeben.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="38"/>
        <source>Der Korrekturfaktor muss zwischen %1 und %2 liegen.</source>
        <translation>Der Korrekturfaktor muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="65"/>
        <source>Erlaubt: %1 … %2 %3</source>
        <translation>Erlaubt: %1 … %2 %3</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="67"/>
        <source>Für diese Messgröße nicht einstellbar</source>
        <translation>Für diese Messgröße nicht einstellbar</translation>
    </message>
    <message>
        <location filename="../../qml/Offset/KivOffsetRow.qml" line="89"/>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
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
        <translation>Keine Belegung</translation>
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
        <translation>AUSGANGSKONFIGURATION</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="28"/>
        <source>Die Auswahl wird übernommen …</source>
        <translation>Die Auswahl wird übernommen …</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputChannelsBase.qml" line="37"/>
        <source>Keine Ausgänge vorhanden.</source>
        <translation>Keine Ausgänge vorhanden.</translation>
    </message>
</context>
<context>
    <name>KivOutputDelegate</name>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="19"/>
        <source>Ausgang %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="32"/>
        <source>Messgröße</source>
        <translation>Messgröße</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="49"/>
        <source>Messbereich</source>
        <translation>Messbereich</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="59"/>
        <source>Eigener Bereich</source>
        <translation>Eigener Bereich</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="66"/>
        <source>Ausgangssignal</source>
        <translation>Ausgangssignal</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="74"/>
        <source>%1 V · %2 mA</source>
        <translation>%1 V · %2 mA</translation>
    </message>
    <message>
        <location filename="../../qml/Output/delegates/KivOutputDelegate.qml" line="75"/>
        <source>nicht belegt</source>
        <translation>nicht belegt</translation>
    </message>
</context>
<context>
    <name>KivOutputGeneralBase</name>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="15"/>
        <source>AUSGÄNGE ALLGEMEIN</source>
        <translation>AUSGÄNGE ALLGEMEIN</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="24"/>
        <source>Ausgangssignal</source>
        <translation>Ausgangssignal</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="33"/>
        <source>Spannungsbereich</source>
        <translation>Spannungsbereich</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="49"/>
        <source>Maximale Spannung</source>
        <translation>Maximale Spannung</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="71"/>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="132"/>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="80"/>
        <source>Stromausgang</source>
        <translation>Stromausgang</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="87"/>
        <source>4 - 20 mA an jedem belegten Ausgang</source>
        <translation>4 - 20 mA an jedem belegten Ausgang</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="88"/>
        <source>Diese Optionsplatine hat nur Spannungsausgänge.</source>
        <translation>Diese Optionsplatine hat nur Spannungsausgänge.</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="100"/>
        <source>Standort</source>
        <translation>Standort</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="114"/>
        <source>Höhe über NN [m]</source>
        <translation>Höhe über NN [m]</translation>
    </message>
    <message>
        <location filename="../../qml/Output/bases/KivOutputGeneralBase.qml" line="138"/>
        <source>Bitte eine ganze Zahl von 0 bis %1 eingeben.</source>
        <translation>Bitte eine ganze Zahl von 0 bis %1 eingeben.</translation>
    </message>
</context>
<context>
    <name>KivPopups</name>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="24"/>
        <source>Werkseinstellungen</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="26"/>
        <source>Einstellungen erfolgreich übernommen</source>
        <translation>Einstellungen erfolgreich übernommen</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="26"/>
        <source>Einstellungen wurden nicht übernommen</source>
        <translation>Einstellungen wurden nicht übernommen</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="27"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="48"/>
        <source>Timeout beim Verbindungsversuch!</source>
        <translation>Timeout beim Verbindungsversuch!</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="58"/>
        <source>Achtung</source>
        <translation>Achtung</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="60"/>
        <source>Unbekannter Dateiursprung!
Laden auf eigene Gewähr!</source>
        <translation>Unbekannter Dateiursprung!
Laden auf eigene Gewähr!</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="74"/>
        <source>Datenaustausch ist fehlgeschlagen!</source>
        <translation>Datenaustausch ist fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivPopups.qml" line="76"/>
        <source>Das angeschlossene Gerät scheint nicht zu reagieren.</source>
        <translation>Das angeschlossene Gerät scheint nicht zu reagieren.</translation>
    </message>
</context>
<context>
    <name>KivPortEntry</name>
    <message>
        <location filename="../../qml/Connect/KivPortEntry.qml" line="35"/>
        <source>Seriennummer %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivPortEntry.qml" line="37"/>
        <source>derzeit %1</source>
        <translation>derzeit %1</translation>
    </message>
</context>
<context>
    <name>KivReadJson</name>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="78"/>
        <source>Der Dateipfad is ungültig.</source>
        <translation>Der Dateipfad is ungültig.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="82"/>
        <source>Die Datei existiert nicht.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="87"/>
        <source>Die Datei konnte nicht geöffnet werden.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="93"/>
        <source>Die ausgewählte Datei hat keinen Inhalt.</source>
        <translation>Die ausgewählte Datei hat keinen Inhalt.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="110"/>
        <source>Die Datei enthält keine gültige Konfiguration.</source>
        <translation>Die Datei enthält keine gültige Konfiguration.</translation>
    </message>
    <message>
        <location filename="../../files/KivReadJson.cpp" line="120"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>Die Datei passt nicht zum verbundenen Gerät!</translation>
    </message>
</context>
<context>
    <name>KivReconnectPopup</name>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="17"/>
        <source>Verbindung unterbrochen</source>
        <translation>Verbindung unterbrochen</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="18"/>
        <source>Das Gerät an %1 antwortet nicht mehr. Nach einem Neustart oder wenn das Kabel wieder steckt, wird es automatisch neu verbunden und eingelesen.</source>
        <translation>Das Gerät an %1 antwortet nicht mehr. Nach einem Neustart oder wenn das Kabel wieder steckt, wird es automatisch neu verbunden und eingelesen.</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="22"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="36"/>
        <source>Anschluss vorhanden – Gerät wird gesucht …</source>
        <translation>Anschluss vorhanden – Gerät wird gesucht …</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="37"/>
        <source>Anschluss nicht vorhanden – bitte Kabel prüfen.</source>
        <translation>Anschluss nicht vorhanden – bitte Kabel prüfen.</translation>
    </message>
    <message>
        <location filename="../../qml/Popup/KivReconnectPopup.qml" line="73"/>
        <source>Noch %1 s</source>
        <translation>Noch %1 s</translation>
    </message>
</context>
<context>
    <name>KivRelaisCard</name>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="21"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>de</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="23"/>
        <source>Relais %1</source>
        <translation>Relais %1</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="27"/>
        <source>Aus</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="30"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="38"/>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="42"/>
        <source>Bitte eine ganze Zahl ab 0 eingeben.</source>
        <translation>Bitte eine ganze Zahl ab 0 eingeben.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="61"/>
        <source>Messgröße</source>
        <translation>Messgröße</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="77"/>
        <source>Einschaltschwelle [%1]</source>
        <translation>Einschaltschwelle [%1]</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="78"/>
        <source>Einschaltschwelle</source>
        <translation>Einschaltschwelle</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="93"/>
        <source>Ausschaltschwelle [%1]</source>
        <translation>Ausschaltschwelle [%1]</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="94"/>
        <source>Ausschaltschwelle</source>
        <translation>Ausschaltschwelle</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisCard.qml" line="109"/>
        <source>Hysterese</source>
        <translation>Hysterese</translation>
    </message>
</context>
<context>
    <name>KivRelaisForcePage</name>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="12"/>
        <source>RELAIS ERZWINGEN</source>
        <translation>RELAIS ERZWINGEN</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="18"/>
        <source>Beim Verlassen dieser Seite arbeiten die Relais wieder nach ihren Einstellungen.</source>
        <translation>Beim Verlassen dieser Seite arbeiten die Relais wieder nach ihren Einstellungen.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="26"/>
        <source>Dieses Gerät hat keine Relais.</source>
        <translation>Dieses Gerät hat keine Relais.</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisForcePage.qml" line="36"/>
        <source>Zwangssteuerung</source>
        <translation>Zwangssteuerung</translation>
    </message>
</context>
<context>
    <name>KivRelaisForceRow</name>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="28"/>
        <source>Relais %1</source>
        <translation>Relais %1</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="35"/>
        <source>Automatisch</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="36"/>
        <source>Geschlossen (erzwungen)</source>
        <translation>Geschlossen (erzwungen)</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="36"/>
        <source>Offen (erzwungen)</source>
        <translation>Offen (erzwungen)</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="51"/>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="62"/>
        <source>Öffnen</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Components/KivRelaisForceRow.qml" line="73"/>
        <source>Freigeben</source>
        <translation>Freigeben</translation>
    </message>
</context>
<context>
    <name>KivRelaisSettingsPage</name>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisSettingsPage.qml" line="10"/>
        <source>RELAISEINSTELLUNGEN</source>
        <translation>RELAISEINSTELLUNGEN</translation>
    </message>
    <message>
        <location filename="../../qml/Relais/Pages/KivRelaisSettingsPage.qml" line="15"/>
        <source>Dieses Gerät hat keine Relais.</source>
        <translation>Dieses Gerät hat keine Relais.</translation>
    </message>
</context>
<context>
    <name>KivRs485</name>
    <message>
        <location filename="../../blocks/KivRs485.cpp" line="196"/>
        <source>Die Beschreibung enthält Zeichen, die das Gerät nicht speichern kann. Erlaubt sind nur Zeichen des westeuropäischen Zeichensatzes (Latin-1).</source>
        <translation>Die Beschreibung enthält Zeichen, die das Gerät nicht speichern kann. Erlaubt sind nur Zeichen des westeuropäischen Zeichensatzes (Latin-1).</translation>
    </message>
</context>
<context>
    <name>KivRs485Page</name>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="26"/>
        <source>Keine</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="27"/>
        <source>Ungerade</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="28"/>
        <source>Gerade</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="29"/>
        <source>Unbekannt (%1)</source>
        <translation>Unbekannt (%1)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="68"/>
        <source>BUS-EINSTELLUNGEN</source>
        <translation>BUS-EINSTELLUNGEN</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="69"/>
        <source>Kein Busmodul vorhanden</source>
        <translation>Kein Busmodul vorhanden</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="79"/>
        <source>Schnittstelle</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="91"/>
        <source>MAC-Adresse (DIP-Schalter)</source>
        <translation>MAC-Adresse (DIP-Schalter)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="91"/>
        <source>Busadresse (DIP-Schalter)</source>
        <translation>Busadresse (DIP-Schalter)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="99"/>
        <source>Baudrate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="100"/>
        <source>%1 Bit/s</source>
        <translation>%1 Bit/s</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="108"/>
        <source>Übertragungsart</source>
        <translation>Übertragungsart</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="116"/>
        <source>Parität</source>
        <translation>Parität</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="124"/>
        <source>Stoppbits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="131"/>
        <source>Diese Werte sind durch DIP-Schalter und Busmodul festgelegt und können hier nicht geändert werden.</source>
        <translation>Diese Werte sind durch DIP-Schalter und Busmodul festgelegt und können hier nicht geändert werden.</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="144"/>
        <source>BACnet-Geräte-ID</source>
        <translation>BACnet-Geräte-ID</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="144"/>
        <source>Modbus-Adresse</source>
        <translation>Modbus-Adresse</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="158"/>
        <source>Offset der Geräte-ID</source>
        <translation>Offset der Geräte-ID</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="158"/>
        <source>Adresse (Software)</source>
        <translation>Adresse (Software)</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="181"/>
        <source>Die Adresse gilt erst, wenn alle Adress-DIP-Schalter ausgeschaltet sind.</source>
        <translation>Die Adresse gilt erst, wenn alle Adress-DIP-Schalter ausgeschaltet sind.</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="194"/>
        <source>BACnet</source>
        <translation>BACnet</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="208"/>
        <source>Beschreibung</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="231"/>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="254"/>
        <source>COV-Meldungen</source>
        <translation>COV-Meldungen</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="263"/>
        <source>aktiv</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="263"/>
        <source>deaktiviert</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="275"/>
        <source>COV-Inkremente</source>
        <translation>COV-Inkremente</translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="287"/>
        <source>Änderung eines Messwerts, ab der das Gerät eine COV-Meldung sendet; -1 = nicht gesetzt.</source>
        <translation>Änderung eines Messwerts, ab der das Gerät eine COV-Meldung sendet; -1 = nicht gesetzt.</translation>
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
        <translation>JSON auslesen wird nicht untersüzt!</translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="113"/>
        <source>PDF&apos;s auslesen wird nicht untersüzt!</source>
        <translation>PDF&apos;s auslesen wird nicht untersüzt!</translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="117"/>
        <source>Unerwarteter Dateityp: %1</source>
        <translation>Unerwarteter Dateityp: %1</translation>
    </message>
    <message>
        <location filename="../../files/KivSaveAndLoad.cpp" line="130"/>
        <location filename="../../files/KivSaveAndLoad.cpp" line="146"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Speichern ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>KivSaveLoadPage</name>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="59"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Laden fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="104"/>
        <source>LADEN/SPEICHERN</source>
        <translation>LADEN/SPEICHERN</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="105"/>
        <source>Verbunden mit %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="106"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="115"/>
        <source>Konfiguration speichern</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="128"/>
        <source>Dateiname</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="143"/>
        <source>Speichern</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="155"/>
        <source>Gespeicherte Dateien</source>
        <translation>Gespeicherte Dateien</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="168"/>
        <source>Suchen</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="177"/>
        <source>Keine gespeicherten Dateien vorhanden.</source>
        <translation>Keine gespeicherten Dateien vorhanden.</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="218"/>
        <source>Gerät: %1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="227"/>
        <source>Geändert: %1</source>
        <translation>Geändert: %1</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="249"/>
        <source>Laden</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="260"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="286"/>
        <source>Löschen</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="284"/>
        <source>Datei löschen</source>
        <translation>Datei löschen</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="285"/>
        <source>Soll die Datei &quot;%1&quot; gelöscht werden?</source>
        <translation>Soll die Datei &quot;%1&quot; gelöscht werden?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="287"/>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="304"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="301"/>
        <source>Datei überschreiben</source>
        <translation>Datei überschreiben</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="302"/>
        <source>Die Datei &quot;%1&quot; existiert bereits. Soll sie überschrieben werden?</source>
        <translation>Die Datei &quot;%1&quot; existiert bereits. Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <location filename="../../qml/SaveLoad/KivSaveLoadPage.qml" line="303"/>
        <source>Überschreiben</source>
        <translation>Überschreiben</translation>
    </message>
</context>
<context>
    <name>KivSerialPage</name>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="14"/>
        <source>Serielle Verbindung</source>
        <translation>Serielle Verbindung</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="42"/>
        <source>Gefundene Schnittstellen</source>
        <translation>Gefundene Schnittstellen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSerialPage.qml" line="42"/>
        <source>Keine Schnittstelle gefunden</source>
        <translation>Keine Schnittstelle gefunden</translation>
    </message>
</context>
<context>
    <name>KivServiceCard</name>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="26"/>
        <source>%1 (in %2 Tagen)</source>
        <translation>%1 (in %2 Tagen)</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="39"/>
        <source>Zuletzt durchgeführt</source>
        <translation>Zuletzt durchgeführt</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="47"/>
        <source>Nächster Termin</source>
        <translation>Nächster Termin</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="58"/>
        <source>Intervall</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="70"/>
        <source>Monate</source>
        <translation>Monate</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="76"/>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../../qml/Service/KivServiceCard.qml" line="85"/>
        <source>Übernehmen setzt die Zeit bis zum nächsten Termin auf das neue Intervall.</source>
        <translation>Übernehmen setzt die Zeit bis zum nächsten Termin auf das neue Intervall.</translation>
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
        <translation>Ampelfunktion: %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="76"/>
        <source>Einheitensystem</source>
        <translation>Einheitensystem</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="78"/>
        <source>Höhe über NN [m]</source>
        <translation>Höhe über NN [m]</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="80"/>
        <source>Spannungsbereich</source>
        <translation>Spannungsbereich</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="82"/>
        <source>Maximale Spannung</source>
        <translation>Maximale Spannung</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="84"/>
        <source>Anzeige</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="85"/>
        <source>Helligkeit</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="87"/>
        <source>Drehung</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="88"/>
        <source>Ampel</source>
        <translation>Ampel</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="90"/>
        <source>Servicehinweis</source>
        <translation>Servicehinweis</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="92"/>
        <source>Kalibrierhinweis anzeigen</source>
        <translation>Kalibrierhinweis anzeigen</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="93"/>
        <source>Zustand Relais 1 anzeigen</source>
        <translation>Zustand Relais 1 anzeigen</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="95"/>
        <source>Zustand Relais 2 anzeigen</source>
        <translation>Zustand Relais 2 anzeigen</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="96"/>
        <source>Anzahl Sensoren</source>
        <translation>Anzahl Sensoren</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="99"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="100"/>
        <source>Kanal %1 anzeigen</source>
        <translation>Kanal %1 anzeigen</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="103"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="130"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="190"/>
        <source>Kanal</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="104"/>
        <source>Farbe unter Schwelle 1</source>
        <translation>Farbe unter Schwelle 1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="106"/>
        <source>Farbe zwischen den Schwellen</source>
        <translation>Farbe zwischen den Schwellen</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="107"/>
        <source>Farbe über Schwelle 2</source>
        <translation>Farbe über Schwelle 2</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="109"/>
        <source>Schwelle 1</source>
        <translation>Schwelle 1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="111"/>
        <source>Schwelle 2</source>
        <translation>Schwelle 2</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="124"/>
        <source>Relais %1</source>
        <translation>Relais %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="133"/>
        <source>Unter Schwelle 1</source>
        <translation>Unter Schwelle 1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="136"/>
        <source>Zwischen den Schwellen</source>
        <translation>Zwischen den Schwellen</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="139"/>
        <source>Über Schwelle 2</source>
        <translation>Über Schwelle 2</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="142"/>
        <source>Einschaltschwelle</source>
        <translation>Einschaltschwelle</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="146"/>
        <source>Ausschaltschwelle</source>
        <translation>Ausschaltschwelle</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="150"/>
        <source>Hysterese</source>
        <translation>Hysterese</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="160"/>
        <source>BACnet-Geräte-ID</source>
        <translation>BACnet-Geräte-ID</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="160"/>
        <source>Modbus-Adresse</source>
        <translation>Modbus-Adresse</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="161"/>
        <location filename="../../core/KivSettingCatalog.cpp" line="165"/>
        <source>BUS: %1</source>
        <translation>BUS: %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="165"/>
        <source>Beschreibung</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="179"/>
        <source>Messkanal %1</source>
        <translation>Messkanal %1</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="180"/>
        <source>Messkanal %1 (%2)</source>
        <translation>Messkanal %1 (%2)</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="185"/>
        <source>Messbereich Anfang</source>
        <translation>Messbereich Anfang</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="185"/>
        <source>Messbereich Ende</source>
        <translation>Messbereich Ende</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="188"/>
        <source>Korrekturfaktor</source>
        <translation>Korrekturfaktor</translation>
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
        <translation>an</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="232"/>
        <source>aus</source>
        <translation>aus</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="248"/>
        <source>metrisch (SI)</source>
        <translation>metrisch (SI)</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="250"/>
        <source>imperial</source>
        <translation>imperial</translation>
    </message>
    <message>
        <location filename="../../core/KivSettingCatalog.cpp" line="252"/>
        <source>Unbekannt (%1)</source>
        <translation>Unbekannt (%1)</translation>
    </message>
</context>
<context>
    <name>KivSettingsPage</name>
    <message>
        <location filename="../../qml/General/KivSettingsPage.qml" line="14"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
</context>
<context>
    <name>KivSimulatePage</name>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="11"/>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="31"/>
        <source>Gerät simulieren</source>
        <translation>Gerät simulieren</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="22"/>
        <source>Die Seiten zeigen dann die Werte eines gespeicherten Beispielgeräts; es wird nichts an ein Gerät gesendet.</source>
        <translation>Die Seiten zeigen dann die Werte eines gespeicherten Beispielgeräts; es wird nichts an ein Gerät gesendet.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="31"/>
        <source>Gerät wird simuliert</source>
        <translation>Gerät wird simuliert</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="47"/>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="48"/>
        <source>Soll ein Gerät simuliert werden?</source>
        <translation>Soll ein Gerät simuliert werden?</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="49"/>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSimulatePage.qml" line="50"/>
        <source>Nein</source>
        <translation>Nein</translation>
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
        <translation>Si auf Imp umstellen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="16"/>
        <source>Imp auf Si umstellen</source>
        <translation>Imp auf Si umstellen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="17"/>
        <source>Unbekannt</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="39"/>
        <source>Keine Verbindung mit einem Gerät!</source>
        <translation>Keine Verbindung mit einem Gerät!</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="65"/>
        <source>Auf Werkseinstellungen zurücksetzen!</source>
        <translation>Auf Werkseinstellungen zurücksetzen!</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="72"/>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="110"/>
        <source>Firmwareupdate</source>
        <translation>Firmwareupdate</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="79"/>
        <source>Neu auslesen</source>
        <translation>Neu auslesen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="88"/>
        <source>Verbindung trennen</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="88"/>
        <source>Verbinden</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="96"/>
        <source>Bitte specifizieren Sie die Updatedatei</source>
        <translation>Bitte specifizieren Sie die Updatedatei</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="97"/>
        <source>bin files (*.bin)</source>
        <translation>bin files (*.bin)</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="111"/>
        <source>Die Firmware wird übertragen …</source>
        <translation>Die Firmware wird übertragen …</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="122"/>
        <source>%1 Byte/s, noch etwa %2 s</source>
        <translation>%1 Byte/s, noch etwa %2 s</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="124"/>
        <source>Der Bootloader des Geräts wird gestartet …</source>
        <translation>Der Bootloader des Geräts wird gestartet …</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="134"/>
        <source>Firmwareupdate fehlgeschlagen</source>
        <translation>Firmwareupdate fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="136"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="151"/>
        <source>Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden.</source>
        <translation>Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="154"/>
        <source>Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten.</source>
        <translation>Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten.</translation>
    </message>
    <message>
        <location filename="../../qml/Connect/KivSpecialPage.qml" line="157"/>
        <source>Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten.</source>
        <translation>Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten.</translation>
    </message>
</context>
<context>
    <name>KivTlfPage</name>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Keine</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Grün</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Gelb</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="26"/>
        <source>Rot</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="48"/>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Bitte eine Zahl eingeben.</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="52"/>
        <source>Der Wert liegt außerhalb des Messbereichs (%1 bis %2 %3).</source>
        <translation>Der Wert liegt außerhalb des Messbereichs (%1 bis %2 %3).</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="86"/>
        <source>AMPELFUNKTION</source>
        <translation>AMPELFUNKTION</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="87"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="96"/>
        <source>Ampel</source>
        <translation>Ampel</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="108"/>
        <source>Ampelfunktion:</source>
        <translation>Ampelfunktion:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="115"/>
        <source>an</source>
        <translation>an</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="115"/>
        <source>aus</source>
        <translation>aus</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="122"/>
        <source>Kanal:</source>
        <translation>Kanal:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="137"/>
        <source>Messbereich:</source>
        <translation>Messbereich:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="144"/>
        <source>%1 bis %2 %3</source>
        <translation>%1 bis %2 %3</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="158"/>
        <source>Farben</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="170"/>
        <source>Unter Schwelle 1:</source>
        <translation>Unter Schwelle 1:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="171"/>
        <source>Zwischen den Schwellen:</source>
        <translation>Zwischen den Schwellen:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="172"/>
        <source>Über Schwelle 2:</source>
        <translation>Über Schwelle 2:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="218"/>
        <source>Schwellen</source>
        <translation>Schwellen</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="230"/>
        <source>Schwelle 1:</source>
        <translation>Schwelle 1:</translation>
    </message>
    <message>
        <location filename="../../qml/Tlf/KivTlfPage.qml" line="252"/>
        <source>Schwelle 2:</source>
        <translation>Schwelle 2:</translation>
    </message>
</context>
<context>
    <name>KivTrafficLogModel</name>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="106"/>
        <source>03 Lesen</source>
        <translation>03 Lesen</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="108"/>
        <source>06 Schreiben</source>
        <translation>06 Schreiben</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="110"/>
        <source>16 Schreiben</source>
        <translation>16 Schreiben</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="114"/>
        <source>Rohdaten</source>
        <translation>Rohdaten</translation>
    </message>
    <message numerus="yes">
        <location filename="../../core/KivTrafficLogModel.cpp" line="120"/>
        <source>%n Byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Funktion</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Startregister</source>
        <translation>Startregister</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="128"/>
        <source>Endregister</source>
        <translation>Endregister</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Anzahl</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Dauer [ms]</source>
        <translation>Dauer [ms]</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Werte</source>
        <translation>Werte</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="129"/>
        <source>Fehler</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="224"/>
        <source>Datenverkehr gespeichert unter %1</source>
        <translation>Datenverkehr gespeichert unter %1</translation>
    </message>
    <message>
        <location filename="../../core/KivTrafficLogModel.cpp" line="226"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Speichern ist fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>KivTrafficLogPage</name>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="47"/>
        <source>DATENVERKEHR</source>
        <translation>DATENVERKEHR</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="48"/>
        <source>%1 Anfragen, davon %2 fehlgeschlagen (höchstens %3 werden behalten)</source>
        <translation>%1 Anfragen, davon %2 fehlgeschlagen (höchstens %3 werden behalten)</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="64"/>
        <source>Neuen Anfragen folgen</source>
        <translation>Neuen Anfragen folgen</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="80"/>
        <source>Als CSV exportieren</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="88"/>
        <source>Leeren</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Zeit</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Funktion</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="117"/>
        <source>Werte / Fehler</source>
        <translation>Werte / Fehler</translation>
    </message>
    <message>
        <location filename="../../qml/TrafficLog/KivTrafficLogPage.qml" line="141"/>
        <source>Noch kein Datenverkehr aufgezeichnet.</source>
        <translation>Noch kein Datenverkehr aufgezeichnet.</translation>
    </message>
</context>
<context>
    <name>KivUpdateFile</name>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="100"/>
        <source>Update ist bereits im Gange.</source>
        <translation>Update ist bereits im Gange.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="132"/>
        <location filename="../../files/KivUpdateFile.cpp" line="152"/>
        <source>Ein Download ist bereits in Gange</source>
        <translation>Ein Download ist bereits in Gange</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="226"/>
        <source>Unexpected network reply received.</source>
        <translation>Unerwartete Antwort aus dem Netzwerk erhalten.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="210"/>
        <location filename="../../files/KivUpdateFile.cpp" line="235"/>
        <source>Could not download update file.</source>
        <translation>Die Update-Datei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="208"/>
        <source>Die Update-Liste wurde nicht vollständig geladen.</source>
        <translation>Die Update-Liste wurde nicht vollständig geladen.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="252"/>
        <source>0 Bytes geladen</source>
        <translation>0 Bytes geladen</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="264"/>
        <source>Die Update-Liste ist beschädigt oder hat ein unbekanntes Format.</source>
        <translation>Die Update-Liste ist beschädigt oder hat ein unbekanntes Format.</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="305"/>
        <source>Invalid download Urls</source>
        <translation>Ungültige Download-Adressen</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="314"/>
        <source>Could not delete old data</source>
        <translation>Alte Daten konnten nicht gelöscht werden</translation>
    </message>
    <message>
        <location filename="../../files/KivUpdateFile.cpp" line="322"/>
        <source>Could not create file to save data.</source>
        <translation>Die Datei zum Speichern konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>KivUpdatePage</name>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="55"/>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="68"/>
        <source>Update-Liste wird geladen …</source>
        <translation>Update-Liste wird geladen …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="69"/>
        <source>Firmware der Hauptplatine wird geladen …</source>
        <translation>Firmware der Hauptplatine wird geladen …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="70"/>
        <source>Firmware der Optionsplatine wird geladen …</source>
        <translation>Firmware der Optionsplatine wird geladen …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="76"/>
        <source>%1 von %2 kB</source>
        <translation>%1 von %2 kB</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="77"/>
        <source>%1 kB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="109"/>
        <source>FIRMWARE-UPDATE</source>
        <translation>FIRMWARE-UPDATE</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="110"/>
        <source>Kein Gerät verbunden</source>
        <translation>Kein Gerät verbunden</translation>
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
        <translation>Gerätename</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="136"/>
        <source>Hauptplatine im Gerät</source>
        <translation>Hauptplatine im Gerät</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="143"/>
        <source>Optionsplatine im Gerät</source>
        <translation>Optionsplatine im Gerät</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="150"/>
        <source>Hauptplatine angeboten</source>
        <translation>Hauptplatine angeboten</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="157"/>
        <source>Optionsplatine angeboten</source>
        <translation>Optionsplatine angeboten</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="168"/>
        <source>Update suchen und laden</source>
        <translation>Update suchen und laden</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="179"/>
        <source>Adresse der Update-Liste (http:, https: oder file:)</source>
        <translation>Adresse der Update-Liste (http:, https: oder file:)</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="202"/>
        <source>Nach Updates suchen</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="211"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="245"/>
        <source>Voraussichtliche Übertragungsdauer zum Gerät: Hauptplatine etwa %1 s, Optionsplatine etwa %2 s.</source>
        <translation>Voraussichtliche Übertragungsdauer zum Gerät: Hauptplatine etwa %1 s, Optionsplatine etwa %2 s.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="260"/>
        <source>Einträge der Update-Liste</source>
        <translation>Einträge der Update-Liste</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="281"/>
        <source>%1: Hauptplatine %2, Optionsplatine %3</source>
        <translation>%1: Hauptplatine %2, Optionsplatine %3</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="289"/>
        <source>Laden</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="307"/>
        <source>Update übertragen</source>
        <translation>Update übertragen</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="318"/>
        <source>Während der Übertragung das Gerät nicht vom Kabel trennen und nicht ausschalten.</source>
        <translation>Während der Übertragung das Gerät nicht vom Kabel trennen und nicht ausschalten.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="326"/>
        <source>Update starten</source>
        <translation>Update starten</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="337"/>
        <source>%1 wird übertragen …</source>
        <translation>%1 wird übertragen …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="338"/>
        <source>Der Bootloader des Geräts wird gestartet …</source>
        <translation>Der Bootloader des Geräts wird gestartet …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="342"/>
        <source>%1 – %2 Byte/s, noch etwa %3 s</source>
        <translation>%1 – %2 Byte/s, noch etwa %3 s</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="368"/>
        <source>Neuere Firmware gefunden; sie wird geladen …</source>
        <translation>Neuere Firmware gefunden; sie wird geladen …</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="372"/>
        <source>Kein Update verfügbar: Die Firmware des Geräts ist aktuell.</source>
        <translation>Kein Update verfügbar: Die Firmware des Geräts ist aktuell.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="373"/>
        <source>Für dieses Gerät ist kein Update verfügbar.</source>
        <translation>Für dieses Gerät ist kein Update verfügbar.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="376"/>
        <source>Dieses Gerät ist in der Update-Liste nicht enthalten.</source>
        <translation>Dieses Gerät ist in der Update-Liste nicht enthalten.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="380"/>
        <source>Firmware geladen. Das Update kann übertragen werden.</source>
        <translation>Firmware geladen. Das Update kann übertragen werden.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="384"/>
        <source>Download abgebrochen.</source>
        <translation>Download abgebrochen.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="388"/>
        <source>Download fehlgeschlagen (Netzwerkfehler %1). Adresse und Verbindung prüfen.</source>
        <translation>Download fehlgeschlagen (Netzwerkfehler %1). Adresse und Verbindung prüfen.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="405"/>
        <source>Hauptplatine</source>
        <translation>Hauptplatine</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="409"/>
        <source>Optionsplatine</source>
        <translation>Optionsplatine</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="417"/>
        <source>Hauptplatine übertragen; die Optionsplatine folgt gleich.</source>
        <translation>Hauptplatine übertragen; die Optionsplatine folgt gleich.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="423"/>
        <source>Firmwareupdate erfolgreich abgeschlossen. Das Gerät wird neu ausgelesen.</source>
        <translation>Firmwareupdate erfolgreich abgeschlossen. Das Gerät wird neu ausgelesen.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="427"/>
        <source>Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden. Bitte erneut herunterladen.</source>
        <translation>Die Updatedatei fehlt, ist leer oder kann nicht gelesen werden. Bitte erneut herunterladen.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="431"/>
        <source>Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten.</source>
        <translation>Der Bootloader des Geräts meldet sich nicht. Bitte Verbindung prüfen und das Update erneut starten.</translation>
    </message>
    <message>
        <location filename="../../qml/Update/KivUpdatePage.qml" line="435"/>
        <source>Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten.</source>
        <translation>Die Übertragung der Firmware wurde unterbrochen. Das Gerät bleibt im Bootloader; bitte das Update erneut starten.</translation>
    </message>
</context>
<context>
    <name>KivWriteJson</name>
    <message>
        <location filename="../../files/KivWriteJson.cpp" line="160"/>
        <source>Ungültiges Datum</source>
        <translation>Ungültiges Datum</translation>
    </message>
</context>
<context>
    <name>KivWritePdf</name>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="89"/>
        <source>Keine</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="91"/>
        <source>Gelb</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="93"/>
        <source>Rot</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="95"/>
        <source>Grün</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="115"/>
        <source>Ja</source>
        <translation>Ja</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="115"/>
        <source>Nein</source>
        <translation>Nein</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="131"/>
        <location filename="../../files/KivWritePdf.cpp" line="421"/>
        <source>Temperatur</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="133"/>
        <source>Relative Feuchte</source>
        <translation>Relative Feuchte</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="135"/>
        <source>Absolute Feuchte</source>
        <translation>Absolute Feuchte</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="137"/>
        <source>Enthalpie</source>
        <translation>Enthalpie</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="139"/>
        <source>Taupunkt</source>
        <translation>Taupunkt</translation>
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
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="149"/>
        <source>Druck</source>
        <translation>Druck</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="151"/>
        <location filename="../../files/KivWritePdf.cpp" line="422"/>
        <source>Helligkeit</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="153"/>
        <source>Kondensat</source>
        <translation>Kondensat</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="155"/>
        <source>Luftdruck</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="157"/>
        <source>Volumenstrom 2</source>
        <translation>Volumenstrom 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="159"/>
        <source>Druck 2</source>
        <translation>Druck 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="242"/>
        <source>Ungültiges Datum</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="329"/>
        <source>Protokoll vom:
</source>
        <translation>Protokoll vom:
</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="336"/>
        <source>Allgemeine Einstellungen:</source>
        <translation>Allgemeine Einstellungen:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="337"/>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="338"/>
        <source>Einheitensystem: </source>
        <translation>Einheitensystem: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="339"/>
        <source>Ort: </source>
        <translation>Ort: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="339"/>
        <source>Höhe [m]: </source>
        <translation>Höhe [m]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="340"/>
        <source>Spannungsuntergrenze [V]: </source>
        <translation>Spannungsuntergrenze [V]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="341"/>
        <source>Spannungsobergrenze [V]: </source>
        <translation>Spannungsobergrenze [V]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="342"/>
        <source>Versionsnummer: </source>
        <translation>Versionsnummer: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="342"/>
        <source>Seriennummer: </source>
        <translation>Seriennummer: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="356"/>
        <source>Ausgang </source>
        <translation>Ausgang </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="365"/>
        <source>Messbereich:</source>
        <translation>Messbereich:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="366"/>
        <source>Untergrenze: </source>
        <translation>Untergrenze: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="367"/>
        <source>Unteres Limit: </source>
        <translation>Unteres Limit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="368"/>
        <source>Obergrenze: </source>
        <translation>Obergrenze: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="369"/>
        <source>Oberes Limit: </source>
        <translation>Oberes Limit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="370"/>
        <location filename="../../files/KivWritePdf.cpp" line="470"/>
        <location filename="../../files/KivWritePdf.cpp" line="491"/>
        <source>Einheit: </source>
        <translation>Einheit: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="371"/>
        <source>Offset: </source>
        <translation>Offset: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="375"/>
        <source>Mischverhältnis: %1 : %2</source>
        <translation>Mischverhältnis: %1 : %2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="380"/>
        <source>Ansprechzeit [s]: </source>
        <translation>Ansprechzeit [s]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="381"/>
        <source>K-Faktor: </source>
        <translation>K-Faktor: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="397"/>
        <source>Unbekannt: Id </source>
        <translation>Unbekannt: Id </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="399"/>
        <source>Hersteller: </source>
        <translation>Hersteller: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="402"/>
        <source>Rund</source>
        <translation>Rund</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="403"/>
        <source>Rechteckig</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="404"/>
        <source>Individuelle Fläche</source>
        <translation>Individuelle Fläche</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="406"/>
        <source>Kanalform: </source>
        <translation>Kanalform: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="407"/>
        <source>Durchmesser [mm]: </source>
        <translation>Durchmesser [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="408"/>
        <source>Höhe Kanal [mm]: </source>
        <translation>Höhe Kanal [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="409"/>
        <source>Fläche [mm²]: </source>
        <translation>Fläche [mm²]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="411"/>
        <source>Breite Kanal [mm]: </source>
        <translation>Breite Kanal [mm]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="423"/>
        <source>Unbekannt</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="426"/>
        <source>Mittelwert</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="427"/>
        <source>Minimalwert aus %1 1 und 2</source>
        <translation>Minimalwert aus %1 1 und 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="428"/>
        <source>Maximalwert aus %1 1 und 2</source>
        <translation>Maximalwert aus %1 1 und 2</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="429"/>
        <source>Mischart: </source>
        <translation>Mischart: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="443"/>
        <source>Display: </source>
        <translation>Display: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="444"/>
        <source>Display vorhanden</source>
        <translation>Display vorhanden</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="444"/>
        <source>Kein Display vorhanden</source>
        <translation>Kein Display vorhanden</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="445"/>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="447"/>
        <source>Helligkeit[%]: </source>
        <translation>Helligkeit[%]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="448"/>
        <source>Rotation[°]: </source>
        <translation>Rotation[°]: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="450"/>
        <source>Anzeige auf dem Display: </source>
        <translation>Anzeige auf dem Display: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="452"/>
        <source>Kanal %1: </source>
        <translation>Kanal %1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="452"/>
        <location filename="../../files/KivWritePdf.cpp" line="458"/>
        <source>Anzeige: </source>
        <translation>Anzeige: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="457"/>
        <source>Relais %1: </source>
        <translation>Relais %1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="467"/>
        <source>TLF:</source>
        <translation>TLF:</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="469"/>
        <source>Messgröße: </source>
        <translation>Messgröße: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="471"/>
        <location filename="../../files/KivWritePdf.cpp" line="488"/>
        <source>Schwellwert 1: </source>
        <translation>Schwellwert 1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="472"/>
        <location filename="../../files/KivWritePdf.cpp" line="489"/>
        <source>Schwellwert 2: </source>
        <translation>Schwellwert 2: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="473"/>
        <source>Farbe Bereich 1: </source>
        <translation>Farbe Bereich 1: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="474"/>
        <source>Farbe Bereich 2: </source>
        <translation>Farbe Bereich 2: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="475"/>
        <source>Farbe Bereich 3: </source>
        <translation>Farbe Bereich 3: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="486"/>
        <source>Relais</source>
        <translation>Relais</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="490"/>
        <source>Hysterese: </source>
        <translation>Hysterese: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="503"/>
        <source>Modbus</source>
        <translation>Modbus</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="504"/>
        <source>Adresse (BUS): </source>
        <translation>Adresse (BUS): </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="505"/>
        <source>Adresse (App): </source>
        <translation>Adresse (App): </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="506"/>
        <source>Baudrate: </source>
        <translation>Baudrate: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="508"/>
        <source>Übertragungsart: </source>
        <translation>Übertragungsart: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="509"/>
        <location filename="../../files/KivWritePdf.cpp" line="526"/>
        <source>Parität: </source>
        <translation>Parität: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="522"/>
        <source>BACnet</source>
        <translation>BACnet</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="523"/>
        <source>MAC-Adresse:: </source>
        <translation>MAC-Adresse:: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="524"/>
        <source>BACnet Offset-ID: </source>
        <translation>BACnet Offset-ID: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="525"/>
        <source>Übertragungsrate: </source>
        <translation>Übertragungsrate: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="527"/>
        <source>BACnet-Description: </source>
        <translation>BACnet-Description: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="528"/>
        <source>COV-U: </source>
        <translation>COV-U: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="528"/>
        <source>aktiv</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="528"/>
        <source>deaktiviert</source>
        <translation>deaktiviert</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="547"/>
        <source>Service: </source>
        <translation>Service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="548"/>
        <source>Serviceintervall: %1 Monate</source>
        <translation>Serviceintervall: %1 Monate</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="549"/>
        <source>Kalibrierungsintervall: %1 Monate</source>
        <translation>Kalibrierungsintervall: %1 Monate</translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="550"/>
        <source>Letzter Service: </source>
        <translation>Letzter Service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="550"/>
        <source>Letzte Kalibrierung: </source>
        <translation>Letzte Kalibrierung: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="551"/>
        <source>Nächster Service: </source>
        <translation>Nächster Service: </translation>
    </message>
    <message>
        <location filename="../../files/KivWritePdf.cpp" line="551"/>
        <source>Nächster Kalibrierung: </source>
        <translation>Nächster Kalibrierung: </translation>
    </message>
</context>
<context>
    <name>MainKivApp</name>
    <message>
        <location filename="../../qml/MainKivApp.qml" line="32"/>
        <source>de</source>
        <comment>code of the language of this translation</comment>
        <translation>de</translation>
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
        <location filename="../../blocks/KivNavigationModel.cpp" line="65"/>
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
        <source>Datenverkehr</source>
        <translation>Datenverkehr</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="49"/>
        <source>Spracheinstellungen</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="50"/>
        <source>Handbuch</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="51"/>
        <source>Verbindung trennen</source>
        <translation>Verbindung trennen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="52"/>
        <source>Zurück</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="60"/>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="61"/>
        <source>Gerät simulieren</source>
        <translation>Gerät simulieren</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="62"/>
        <source>Special</source>
        <translation>Special</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="64"/>
        <source>Geräteinformationen</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="67"/>
        <source>Ausgänge</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="68"/>
        <source>Allgemein</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="70"/>
        <source>Einstellung</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="71"/>
        <source>Erzwingen</source>
        <translation>Erzwingen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="73"/>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="74"/>
        <source>Kontakt</source>
        <translation>Kontakt</translation>
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
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="80"/>
        <source>Laden</source>
        <translation>Laden</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="82"/>
        <source>Informationen</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="83"/>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../../blocks/KivNavigationModel.cpp" line="84"/>
        <source>Control Command</source>
        <translation>Control Command</translation>
    </message>
</context>
</TS>
