<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<!-- English of the containers' texts, to be merged into the plugin's catalogue NemtraApp_en.ts. -->
<context>
    <name>NemtraChannelDatablock</name>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Relative Feuchte</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <source>Gaskonzentration CO2</source>
        <translation>Gas concentration CO2</translation>
    </message>
    <message>
        <source>Gaskonzentration NO2</source>
        <translation>Gas concentration NO2</translation>
    </message>
    <message>
        <source>Gaskonzentration Ozon</source>
        <translation>Gas concentration ozone</translation>
    </message>
    <message>
        <source>Partikel PM10</source>
        <translation>Particles PM10</translation>
    </message>
    <message>
        <source>Partikel PM2.5</source>
        <translation>Particles PM2.5</translation>
    </message>
    <message>
        <source>Partikel PM1</source>
        <translation>Particles PM1</translation>
    </message>
    <message>
        <source>Absoluter Druck</source>
        <translation>Absolute pressure</translation>
    </message>
    <message>
        <source>Differenzdruck</source>
        <translation>Differential pressure</translation>
    </message>
    <message>
        <source>Volumenstrom</source>
        <translation>Air flow</translation>
    </message>
    <message>
        <source>Beleuchtungsstärke</source>
        <translation>Illuminance</translation>
    </message>
    <message>
        <source>Raumbelegung</source>
        <translation>Occupancy</translation>
    </message>
    <message>
        <source>Schalterzustand</source>
        <translation>Switch state</translation>
    </message>
    <message>
        <source>Leakage</source>
        <translation>Leakage</translation>
    </message>
    <message>
        <source>Counter High Byte</source>
        <translation>Counter high byte</translation>
    </message>
    <message>
        <source>Counter Low Byte</source>
        <translation>Counter low byte</translation>
    </message>
    <message>
        <source>Energielevel/Batteriewarnung</source>
        <translation>Energy level/battery warning</translation>
    </message>
    <message>
        <source>Taster</source>
        <translation>Push button</translation>
    </message>
    <message>
        <source>Analoger Eingang</source>
        <translation>Analogue input</translation>
    </message>
    <message>
        <source>Widerstand - NTC</source>
        <translation>Resistor - NTC</translation>
    </message>
    <message>
        <source>Sollwert</source>
        <translation>Set point</translation>
    </message>
    <message>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
    </message>
</context>
<context>
    <name>NemtraControls</name>
    <message>
        <source>Occupancy (Nachlaufzeit)</source>
        <translation>Occupancy (follow-up time)</translation>
    </message>
    <message>
        <source>Occupancy (Toggle)</source>
        <translation>Occupancy (toggle)</translation>
    </message>
    <message>
        <source>Lüfterstufen</source>
        <translation>Fan stages</translation>
    </message>
    <message>
        <source>Taster</source>
        <translation>Push button</translation>
    </message>
</context>
<context>
    <name>NemtraDisplayContainer</name>
    <message>
        <source>Dummy</source>
        <translation>Dummy</translation>
    </message>
    <message>
        <source>Rohwert (0 Nachkommastellen)</source>
        <translation>Raw value (0 decimals)</translation>
    </message>
    <message>
        <source>Rohwert (1 Nachkommastelle)</source>
        <translation>Raw value (1 decimal)</translation>
    </message>
    <message>
        <source>Rohwert (2 Nachkommastellen)</source>
        <translation>Raw value (2 decimals)</translation>
    </message>
    <message>
        <source>Rohwert (3 Nachkommastellen)</source>
        <translation>Raw value (3 decimals)</translation>
    </message>
    <message>
        <source>Rohwert (4 Nachkommastellen)</source>
        <translation>Raw value (4 decimals)</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Feuchte</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2</translation>
    </message>
    <message>
        <source>Sollwert (Encoder)</source>
        <translation>Set point (encoder)</translation>
    </message>
    <message>
        <source>Externer Wert 1</source>
        <translation>External value 1</translation>
    </message>
    <message>
        <source>Externer Wert 2</source>
        <translation>External value 2</translation>
    </message>
    <message>
        <source>Externer Wert 3</source>
        <translation>External value 3</translation>
    </message>
    <message>
        <source>Externer Wert 4</source>
        <translation>External value 4</translation>
    </message>
    <message>
        <source>Relative Feuchte</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <source>Absolute Feuchte</source>
        <translation>Absolute humidity</translation>
    </message>
    <message>
        <source>Enthalpie</source>
        <translation>Enthalpy</translation>
    </message>
    <message>
        <source>Taupunkt</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <source>VOC</source>
        <translation>VOC</translation>
    </message>
    <message>
        <source>CO2/VOC</source>
        <translation>CO2/VOC</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>Air pressure</translation>
    </message>
    <message>
        <source>Solltemperatur</source>
        <translation>Set temperature</translation>
    </message>
    <message>
        <source>Rohwert</source>
        <translation>Raw value</translation>
    </message>
</context>
<context>
    <name>NemtraExpertMode</name>
    <message>
        <source>Property already exists for Parameter: %1</source>
        <translation>Property already exists for Parameter: %1</translation>
    </message>
</context>
<context>
    <name>NemtraGatewayFilterModel</name>
    <message>
        <source>ID %1:</source>
        <translation>ID %1:</translation>
    </message>
    <message>
        <source>Packettype %1:</source>
        <translation>Packet type %1:</translation>
    </message>
    <message>
        <source>Data %1</source>
        <translation>Data %1</translation>
    </message>
    <message>
        <source>-- %1:</source>
        <translation>-- %1:</translation>
    </message>
</context>
<context>
    <name>NemtraTlfContainer</name>
    <message>
        <source>schwarz</source>
        <translation>black</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>gelb</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>blau</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>türkis</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>weiß</source>
        <translation>white</translation>
    </message>
</context>
</TS>
