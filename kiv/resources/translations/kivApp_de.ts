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
        <location filename="../../core/KivBackend.cpp" line="260"/>
        <source>Kein COM-Port ausgewählt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="87"/>
        <source>Das angeschlossene Gerät wird nicht unterstüzt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivDeviceCommands.cpp" line="140"/>
        <source>Ungültiges Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="686"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="689"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="705"/>
        <source>Fehler beim Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="711"/>
        <location filename="../../core/KivBackend.cpp" line="717"/>
        <location filename="../../core/KivBackend.cpp" line="748"/>
        <location filename="../../core/KivBackend.cpp" line="754"/>
        <location filename="../../core/KivBackend.cpp" line="765"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="773"/>
        <source>Laden fehlgeschlagen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="779"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="784"/>
        <source>Angebene Datei existiert nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="239"/>
        <source>Keine Auswahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="249"/>
        <source>mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="252"/>
        <source>min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../core/KivBlockSet.cpp" line="254"/>
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
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="45"/>
        <source>LIVE-DATEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="46"/>
        <source>Kein Gerät verbunden</source>
        <translation type="unfinished">Kein Gerät verbunden</translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="54"/>
        <source>Keine Messwerte vorhanden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="81"/>
        <source>Sensorfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="85"/>
        <source>Messbereich %1 … %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Monitoring/KivLivePage.qml" line="88"/>
        <source>Ausgang %1: %2 V · %3 mA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivLoraBlock</name>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="162"/>
        <source>Bitte genau %1 hexadezimale Ziffern (0-9, A-F) eingeben; Leerzeichen zwischen den Gruppen sind erlaubt. Es wurde nichts übertragen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="218"/>
        <source>Die Kanalmaske braucht 1 bis 8 hexadezimale Ziffern (0-9, A-F).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../blocks/KivLoraBlock.cpp" line="244"/>
        <source>Die Kanalmaske braucht 1 bis 32 Binärziffern (0 oder 1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivLoraCommandPage</name>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="34"/>
        <source>CONTROL COMMAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="35"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="43"/>
        <source>Reset config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="55"/>
        <source>Setzt die LoRaWAN-Konfiguration des Funkmoduls (Application EUI und Key, Netzwerkparameter und Intervalle) auf die Werkseinstellungen zurück. Das Gerät muss sich danach neu im Netzwerk anmelden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="65"/>
        <source>Soll die LoRaWAN-Konfiguration wirklich zurückgesetzt werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="83"/>
        <source>Auf Werkseinstellungen zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="94"/>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="102"/>
        <source>Zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraCommandPage.qml" line="117"/>
        <source>Befehl gesendet. Die Werte werden neu ausgelesen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivLoraInfoPage</name>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="33"/>
        <source>LORAWAN-INFORMATIONEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="34"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="42"/>
        <source>Identität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="54"/>
        <source>Device EUI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="62"/>
        <source>Application EUI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="70"/>
        <source>Application Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="78"/>
        <source>LoRaWAN-Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="89"/>
        <source>Netzwerk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="101"/>
        <source>Frequenzregion (Code)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="109"/>
        <source>Datenrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="117"/>
        <source>Adaptive Datenrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="118"/>
        <source>an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="118"/>
        <source>aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="125"/>
        <source>Kanalmaske</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="133"/>
        <source>Sendeintervall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraInfoPage.qml" line="134"/>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivLoraParameterPage</name>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="44"/>
        <source>LORAWAN-PARAMETER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="45"/>
        <source>Keine LoRaWAN-Daten vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="53"/>
        <source>Identität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="67"/>
        <source>Device EUI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="84"/>
        <source>Application EUI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="105"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="142"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="348"/>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="119"/>
        <source>Application Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="134"/>
        <source>32 hexadezimale Ziffern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="156"/>
        <source>LoRaWAN-Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="186"/>
        <source>Funk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="200"/>
        <source>Frequenzregion (Code)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="216"/>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="232"/>
        <source>Adaptive Datenrate (ADR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="239"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="435"/>
        <source>an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="239"/>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="435"/>
        <source>aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="247"/>
        <source>Standard-Datenrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="270"/>
        <source>Sendeleistung (Stufe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="286"/>
        <source>Wiederholungen (NbTrans)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="302"/>
        <source>Bestätigte Nachrichten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="309"/>
        <source>ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="309"/>
        <source>nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="317"/>
        <source>Kanalmaske (binär)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="341"/>
        <source>hexadezimal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="366"/>
        <source>Intervalle und Anzeige</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="380"/>
        <source>Sendeintervall (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="396"/>
        <source>Heartbeat (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="412"/>
        <source>Rejoin-Intervall (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/Lora/KivLoraParameterPage.qml" line="428"/>
        <source>LED-Anzeige</source>
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
    <name>KivRs485</name>
    <message>
        <location filename="../../blocks/KivRs485.cpp" line="196"/>
        <source>Die Beschreibung enthält Zeichen, die das Gerät nicht speichern kann. Erlaubt sind nur Zeichen des westeuropäischen Zeichensatzes (Latin-1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KivRs485Page</name>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="26"/>
        <source>Keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="27"/>
        <source>Ungerade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="28"/>
        <source>Gerade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="29"/>
        <source>Unbekannt (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="68"/>
        <source>BUS-EINSTELLUNGEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="69"/>
        <source>Kein Busmodul vorhanden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="79"/>
        <source>Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="91"/>
        <source>MAC-Adresse (DIP-Schalter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="91"/>
        <source>Busadresse (DIP-Schalter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="99"/>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="100"/>
        <source>%1 Bit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="108"/>
        <source>Übertragungsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="116"/>
        <source>Parität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="124"/>
        <source>Stoppbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="131"/>
        <source>Diese Werte sind durch DIP-Schalter und Busmodul festgelegt und können hier nicht geändert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="144"/>
        <source>BACnet-Geräte-ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="144"/>
        <source>Modbus-Adresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="158"/>
        <source>Offset der Geräte-ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="158"/>
        <source>Adresse (Software)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="181"/>
        <source>Die Adresse gilt erst, wenn alle Adress-DIP-Schalter ausgeschaltet sind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="194"/>
        <source>BACnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="208"/>
        <source>Beschreibung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="231"/>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="254"/>
        <source>COV-Meldungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="263"/>
        <source>aktiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="263"/>
        <source>deaktiviert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="275"/>
        <source>COV-Inkremente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="287"/>
        <source>Änderung eines Messwerts, ab der das Gerät eine COV-Meldung sendet; -1 = nicht gesetzt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../qml/RS485/KivRs485Page.qml" line="308"/>
        <source>%1 (%2)</source>
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
        <location filename="../../qml/MainKivApp.qml" line="30"/>
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
