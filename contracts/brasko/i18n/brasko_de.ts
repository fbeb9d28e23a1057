<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>ModbusClientSerial</name>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="41"/>
        <source>unzulässige Funktion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="42"/>
        <source>unzulässige Registeradresse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="43"/>
        <source>unzulässiger Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="44"/>
        <source>Gerätefehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="45"/>
        <source>Anfrage angenommen, Bearbeitung dauert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="46"/>
        <source>Gerät beschäftigt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="47"/>
        <source>unbekannte Ausnahme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="169"/>
        <source>Keine Schnittstelle angegeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="170"/>
        <source>Ungültige Schnittstellenparameter für %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="190"/>
        <source>Die Schnittstelle %1 existiert nicht. Ist das Gerät angeschlossen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="194"/>
        <source>Die Schnittstelle %1 ist bereits von einem anderen Programm belegt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="195"/>
        <source>Kein Zugriff auf die Schnittstelle %1 (fehlende Berechtigung).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="198"/>
        <source>Die Schnittstelle %1 konnte nicht geöffnet werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="236"/>
        <location filename="../ModbusClientSerial.cpp" line="248"/>
        <source>Keine Verbindung zum Gerät; die Anfrage wurde verworfen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="284"/>
        <source>Ungültige Anfrage: Register %1, Anzahl %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="298"/>
        <source>Die Anfrage konnte nicht gesendet werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="351"/>
        <source>Ungültige Antwort des Geräts an %1: %2 statt %3 Register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="369"/>
        <source>Das Gerät an %1 hat die Anfrage abgelehnt (Modbus-Ausnahme %2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="375"/>
        <source>Das Gerät an %1 antwortet nicht (Zeitüberschreitung).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="378"/>
        <source>Die Anfrage an %1 wurde abgebrochen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="382"/>
        <source>Fehler bei der Kommunikation über %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="390"/>
        <source>Zeitüberschreitung beim Schreiben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="397"/>
        <source>Das Gerät an %1 hat die Anfrage nicht abgeschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="416"/>
        <source>Schnittstelle geschlossen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="437"/>
        <source>Die Verbindung über %1 wurde unterbrochen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="508"/>
        <source>Schreiben auf %1 fehlgeschlagen: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
