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
        <location filename="../../core/KivBackend.cpp" line="260"/>
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
        <location filename="../../core/KivBackend.cpp" line="686"/>
        <source>Fehler beim Laden der Datei!</source>
        <translation>Error loading the file!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="689"/>
        <source>Die Datei passt nicht zum verbundenen Gerät!</source>
        <translation>The file does not match the connected device!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="705"/>
        <source>Fehler beim Laden</source>
        <translation>Error while loading</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="711"/>
        <location filename="../../core/KivBackend.cpp" line="717"/>
        <location filename="../../core/KivBackend.cpp" line="748"/>
        <location filename="../../core/KivBackend.cpp" line="754"/>
        <location filename="../../core/KivBackend.cpp" line="765"/>
        <source>Speichern ist fehlgeschlagen</source>
        <translation>Saving failed</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="773"/>
        <source>Laden fehlgeschlagen!</source>
        <translation>Loading failed!</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="779"/>
        <source>Vorschau nur für *.json Dateien möglich.</source>
        <translation>Preview is only available for *.json files.</translation>
    </message>
    <message>
        <location filename="../../core/KivBackend.cpp" line="784"/>
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
