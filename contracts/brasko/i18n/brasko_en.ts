<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>ModbusClientSerial</name>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="41"/>
        <source>unzulässige Funktion</source>
        <translation>illegal function</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="42"/>
        <source>unzulässige Registeradresse</source>
        <translation>illegal data address</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="43"/>
        <source>unzulässiger Wert</source>
        <translation>illegal data value</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="44"/>
        <source>Gerätefehler</source>
        <translation>device failure</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="45"/>
        <source>Anfrage angenommen, Bearbeitung dauert</source>
        <translation>request acknowledged, processing takes time</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="46"/>
        <source>Gerät beschäftigt</source>
        <translation>device busy</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="47"/>
        <source>unbekannte Ausnahme</source>
        <translation>unknown exception</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="169"/>
        <source>Keine Schnittstelle angegeben.</source>
        <translation>No port specified.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="170"/>
        <source>Ungültige Schnittstellenparameter für %1.</source>
        <translation>Invalid port parameters for %1.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="190"/>
        <source>Die Schnittstelle %1 existiert nicht. Ist das Gerät angeschlossen?</source>
        <translation>The port %1 does not exist. Is the device plugged in?</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="194"/>
        <source>Die Schnittstelle %1 ist bereits von einem anderen Programm belegt.</source>
        <translation>The port %1 is already in use by another program.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="195"/>
        <source>Kein Zugriff auf die Schnittstelle %1 (fehlende Berechtigung).</source>
        <translation>No access to the port %1 (missing permission).</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="198"/>
        <source>Die Schnittstelle %1 konnte nicht geöffnet werden: %2</source>
        <translation>The port %1 could not be opened: %2</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="236"/>
        <location filename="../ModbusClientSerial.cpp" line="248"/>
        <source>Keine Verbindung zum Gerät; die Anfrage wurde verworfen.</source>
        <translation>No connection to the device; the request was discarded.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="284"/>
        <source>Ungültige Anfrage: Register %1, Anzahl %2.</source>
        <translation>Invalid request: register %1, count %2.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="298"/>
        <source>Die Anfrage konnte nicht gesendet werden: %1</source>
        <translation>The request could not be sent: %1</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="351"/>
        <source>Ungültige Antwort des Geräts an %1: %2 statt %3 Register.</source>
        <translation>Invalid answer from the device on %1: %2 instead of %3 registers.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="369"/>
        <source>Das Gerät an %1 hat die Anfrage abgelehnt (Modbus-Ausnahme %2: %3).</source>
        <translation>The device on %1 rejected the request (Modbus exception %2: %3).</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="375"/>
        <source>Das Gerät an %1 antwortet nicht (Zeitüberschreitung).</source>
        <translation>The device on %1 does not answer (timeout).</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="378"/>
        <source>Die Anfrage an %1 wurde abgebrochen.</source>
        <translation>The request on %1 was aborted.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="382"/>
        <source>Fehler bei der Kommunikation über %1: %2</source>
        <translation>Communication error on %1: %2</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="390"/>
        <source>Zeitüberschreitung beim Schreiben.</source>
        <translation>Timeout while writing.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="397"/>
        <source>Das Gerät an %1 hat die Anfrage nicht abgeschlossen.</source>
        <translation>The device on %1 did not complete the request.</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="416"/>
        <source>Schnittstelle geschlossen</source>
        <translation>Port closed</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="437"/>
        <source>Die Verbindung über %1 wurde unterbrochen: %2</source>
        <translation>The connection on %1 was interrupted: %2</translation>
    </message>
    <message>
        <location filename="../ModbusClientSerial.cpp" line="508"/>
        <source>Schreiben auf %1 fehlgeschlagen: %2</source>
        <translation>Writing to %1 failed: %2</translation>
    </message>
</context>
</TS>
