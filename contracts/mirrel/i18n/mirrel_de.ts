<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>BaseProperty</name>
    <message>
        <location filename="../BaseProperty.cpp" line="217"/>
        <source>Der Wert %1 liegt außerhalb des erlaubten Bereichs %2 bis %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../BaseProperty.cpp" line="231"/>
        <source>Der Wert %1 kann in diesem Register nicht gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../BaseProperty.cpp" line="269"/>
        <source>Ungültige Hex-Eingabe: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../BaseProperty.cpp" line="280"/>
        <source>Der Text &quot;%1&quot; ist zu lang oder enthält ungültige Zeichen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionManagerBase</name>
    <message>
        <location filename="../ConnectionManagerBase.cpp" line="50"/>
        <source>Die Verbindungsparameter für %1 sind unvollständig oder ungültig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ConnectionManagerBase.cpp" line="191"/>
        <source>Das Gerät lehnt die Leseanfragen wiederholt ab; die Verbindung wurde getrennt. Letzte Meldung: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomBluetoothPage</name>
    <message>
        <location filename="../qml/General/CustomBluetoothPage.qml" line="23"/>
        <source>Bluetooth ist auf diesem System nicht verfügbar. Bitte die serielle Verbindung verwenden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomConnectAndLoadPopup</name>
    <message>
        <location filename="../qml/Popup/CustomConnectAndLoadPopup.qml" line="19"/>
        <source>Verbindung wird aufgebaut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/Popup/CustomConnectAndLoadPopup.qml" line="20"/>
        <source>Gerätedaten werden gelesen …</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomErrorPopup</name>
    <message>
        <location filename="../qml/Popup/CustomErrorPopup.qml" line="14"/>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/Popup/CustomErrorPopup.qml" line="16"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomFooterSaveLoad</name>
    <message>
        <location filename="../qml/Footer/CustomFooterSaveLoad.qml" line="30"/>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/Footer/CustomFooterSaveLoad.qml" line="31"/>
        <source>Laden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomLanguageSettings</name>
    <message>
        <location filename="../qml/General/CustomLanguageSettings.qml" line="29"/>
        <source>SPRACHEINSTELLUNGEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomLanguageSettings.qml" line="51"/>
        <source>Die Sprache wird auf der Startseite der Anwendung gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomPermissionError</name>
    <message>
        <location filename="../qml/General/CustomPermissionError.qml" line="11"/>
        <source>Die benötigten Berechtigungen wurden nicht erteilt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomPermissionError.qml" line="39"/>
        <source>Zurück</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomPopup</name>
    <message>
        <location filename="../qml/Popup/CustomPopup.qml" line="16"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomRs485Page</name>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="28"/>
        <source>Keine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="29"/>
        <source>Gerade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="30"/>
        <source>Ungerade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="39"/>
        <source>Bitte einen Anschluss wählen oder einen Pfad eingeben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="43"/>
        <source>Unter %1 wurde kein Anschluss gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="62"/>
        <source>Anschluss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="92"/>
        <source>Aktualisieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="100"/>
        <source>Geräte-ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="114"/>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="128"/>
        <source>Parität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="142"/>
        <source>Datenbits / Stoppbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="171"/>
        <source>Verbindung trennen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="171"/>
        <source>Verbinden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomWaitPopup</name>
    <message>
        <location filename="../qml/Popup/CustomWaitPopup.qml" line="14"/>
        <source>Bitte warten …</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmailPopup</name>
    <message>
        <location filename="../EmailPopup.cpp" line="34"/>
        <source>Datei: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../EmailPopup.cpp" line="45"/>
        <source>Es konnte kein E-Mail-Programm geöffnet werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorManagement</name>
    <message>
        <location filename="../ErrorManagement.cpp" line="65"/>
        <source>Der Bootloader konnte nicht gestartet werden. Bitte Verbindung prüfen und erneut versuchen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="70"/>
        <source>Die Firmware-Datei für den Bootloader ist nicht verfügbar. Bitte Update erneut herunterladen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="84"/>
        <source>Update-Server nicht erreichbar. Bitte Internetverbindung prüfen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="87"/>
        <source>Zeitüberschreitung beim Herunterladen des Updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="90"/>
        <source>Die Update-Datei wurde auf dem Server nicht gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="93"/>
        <source>Sichere Verbindung zum Update-Server fehlgeschlagen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="96"/>
        <source>Fehler beim Herunterladen des Updates (Code %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="103"/>
        <source>Kommunikation mit dem Gerät fehlgeschlagen. Bitte Verbindung und Einstellungen prüfen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveAndLoad</name>
    <message>
        <location filename="../SaveAndLoad.cpp" line="62"/>
        <source>Die Datei &quot;%1&quot; wurde nicht gefunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="71"/>
        <source>Nur lokale Dateien können geladen werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="79"/>
        <source>Dieser Dateityp kann nicht geladen werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="120"/>
        <source>Ungültiger Dateiname: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="124"/>
        <source>Die Datei &quot;%1&quot; konnte nicht gelöscht werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShareBackend</name>
    <message>
        <location filename="../ShareBackend.cpp" line="24"/>
        <source>Ungültiger Dateiname: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ShareBackend.cpp" line="35"/>
        <source>Die Datei zum Teilen konnte nicht erstellt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ShareBackend.cpp" line="47"/>
        <source>Die Datei konnte nicht in den Speicherordner kopiert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ShareBackend.cpp" line="54"/>
        <source>Die Datei %1 liegt zum Teilen bereit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFileReader</name>
    <message>
        <location filename="../TextFileReader.cpp" line="31"/>
        <source>Datei kann nicht gelesen werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../TextFileReader.cpp" line="36"/>
        <source>Datei ist zu groß: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
