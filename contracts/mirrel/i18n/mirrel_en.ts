<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>BaseProperty</name>
    <message>
        <location filename="../BaseProperty.cpp" line="217"/>
        <source>Der Wert %1 liegt außerhalb des erlaubten Bereichs %2 bis %3.</source>
        <translation>The value %1 is outside the permitted range %2 to %3.</translation>
    </message>
    <message>
        <location filename="../BaseProperty.cpp" line="231"/>
        <source>Der Wert %1 kann in diesem Register nicht gespeichert werden.</source>
        <translation>The value %1 cannot be stored in this register.</translation>
    </message>
    <message>
        <location filename="../BaseProperty.cpp" line="269"/>
        <source>Ungültige Hex-Eingabe: %1</source>
        <translation>Invalid hex input: %1</translation>
    </message>
    <message>
        <location filename="../BaseProperty.cpp" line="280"/>
        <source>Der Text &quot;%1&quot; ist zu lang oder enthält ungültige Zeichen.</source>
        <translation>The text &quot;%1&quot; is too long or contains invalid characters.</translation>
    </message>
</context>
<context>
    <name>ConnectionManagerBase</name>
    <message>
        <location filename="../ConnectionManagerBase.cpp" line="50"/>
        <source>Die Verbindungsparameter für %1 sind unvollständig oder ungültig.</source>
        <translation>The connection parameters for %1 are incomplete or invalid.</translation>
    </message>
    <message>
        <location filename="../ConnectionManagerBase.cpp" line="191"/>
        <source>Das Gerät lehnt die Leseanfragen wiederholt ab; die Verbindung wurde getrennt. Letzte Meldung: %1</source>
        <translation>The device keeps refusing read requests; the connection was closed. Last message: %1</translation>
    </message>
</context>
<context>
    <name>CustomBluetoothPage</name>
    <message>
        <location filename="../qml/General/CustomBluetoothPage.qml" line="23"/>
        <source>Bluetooth ist auf diesem System nicht verfügbar. Bitte die serielle Verbindung verwenden.</source>
        <translation>Bluetooth is not available on this system. Please use the serial connection.</translation>
    </message>
</context>
<context>
    <name>CustomConnectAndLoadPopup</name>
    <message>
        <location filename="../qml/Popup/CustomConnectAndLoadPopup.qml" line="19"/>
        <source>Verbindung wird aufgebaut</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <location filename="../qml/Popup/CustomConnectAndLoadPopup.qml" line="20"/>
        <source>Gerätedaten werden gelesen …</source>
        <translation>Reading device data …</translation>
    </message>
</context>
<context>
    <name>CustomErrorPopup</name>
    <message>
        <location filename="../qml/Popup/CustomErrorPopup.qml" line="14"/>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../qml/Popup/CustomErrorPopup.qml" line="16"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CustomFooterSaveLoad</name>
    <message>
        <location filename="../qml/Footer/CustomFooterSaveLoad.qml" line="30"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../qml/Footer/CustomFooterSaveLoad.qml" line="31"/>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
</context>
<context>
    <name>CustomLanguageSettings</name>
    <message>
        <location filename="../qml/General/CustomLanguageSettings.qml" line="29"/>
        <source>SPRACHEINSTELLUNGEN</source>
        <translation>LANGUAGE SETTINGS</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomLanguageSettings.qml" line="51"/>
        <source>Die Sprache wird auf der Startseite der Anwendung gewählt.</source>
        <translation>The language is chosen on the application&apos;s start page.</translation>
    </message>
</context>
<context>
    <name>CustomPermissionError</name>
    <message>
        <location filename="../qml/General/CustomPermissionError.qml" line="11"/>
        <source>Die benötigten Berechtigungen wurden nicht erteilt.</source>
        <translation>The required permissions were not granted.</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomPermissionError.qml" line="39"/>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>CustomPopup</name>
    <message>
        <location filename="../qml/Popup/CustomPopup.qml" line="16"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CustomRs485Page</name>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="28"/>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="29"/>
        <source>Gerade</source>
        <translation>Even</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="30"/>
        <source>Ungerade</source>
        <translation>Odd</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="39"/>
        <source>Bitte einen Anschluss wählen oder einen Pfad eingeben.</source>
        <translation>Please choose a port or enter a path.</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="43"/>
        <source>Unter %1 wurde kein Anschluss gefunden.</source>
        <translation>No port was found at %1.</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="62"/>
        <source>Anschluss</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="92"/>
        <source>Aktualisieren</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="100"/>
        <source>Geräte-ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="114"/>
        <source>Baudrate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="128"/>
        <source>Parität</source>
        <translation>Parity</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="142"/>
        <source>Datenbits / Stoppbits</source>
        <translation>Data bits / stop bits</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="171"/>
        <source>Verbindung trennen</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../qml/General/CustomRs485Page.qml" line="171"/>
        <source>Verbinden</source>
        <translation>Connect</translation>
    </message>
</context>
<context>
    <name>CustomWaitPopup</name>
    <message>
        <location filename="../qml/Popup/CustomWaitPopup.qml" line="14"/>
        <source>Bitte warten …</source>
        <translation>Please wait …</translation>
    </message>
</context>
<context>
    <name>EmailPopup</name>
    <message>
        <location filename="../EmailPopup.cpp" line="34"/>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <location filename="../EmailPopup.cpp" line="45"/>
        <source>Es konnte kein E-Mail-Programm geöffnet werden.</source>
        <translation>No e-mail program could be opened.</translation>
    </message>
</context>
<context>
    <name>ErrorManagement</name>
    <message>
        <location filename="../ErrorManagement.cpp" line="65"/>
        <source>Der Bootloader konnte nicht gestartet werden. Bitte Verbindung prüfen und erneut versuchen.</source>
        <translation>The bootloader could not be started. Please check the connection and try again.</translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="70"/>
        <source>Die Firmware-Datei für den Bootloader ist nicht verfügbar. Bitte Update erneut herunterladen.</source>
        <translation>The firmware file for the bootloader is not available. Please download the update again.</translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="84"/>
        <source>Update-Server nicht erreichbar. Bitte Internetverbindung prüfen.</source>
        <translation>Update server not reachable. Please check the internet connection.</translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="87"/>
        <source>Zeitüberschreitung beim Herunterladen des Updates.</source>
        <translation>Timeout while downloading the update.</translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="90"/>
        <source>Die Update-Datei wurde auf dem Server nicht gefunden.</source>
        <translation>The update file was not found on the server.</translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="93"/>
        <source>Sichere Verbindung zum Update-Server fehlgeschlagen.</source>
        <translation>Secure connection to the update server failed.</translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="96"/>
        <source>Fehler beim Herunterladen des Updates (Code %1).</source>
        <translation>Error while downloading the update (code %1).</translation>
    </message>
    <message>
        <location filename="../ErrorManagement.cpp" line="103"/>
        <source>Kommunikation mit dem Gerät fehlgeschlagen. Bitte Verbindung und Einstellungen prüfen.</source>
        <translation>Communication with the device failed. Please check the connection and settings.</translation>
    </message>
</context>
<context>
    <name>SaveAndLoad</name>
    <message>
        <location filename="../SaveAndLoad.cpp" line="62"/>
        <source>Die Datei &quot;%1&quot; wurde nicht gefunden.</source>
        <translation>The file &quot;%1&quot; was not found.</translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="71"/>
        <source>Nur lokale Dateien können geladen werden: %1</source>
        <translation>Only local files can be loaded: %1</translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="79"/>
        <source>Dieser Dateityp kann nicht geladen werden: %1</source>
        <translation>This file type cannot be loaded: %1</translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="120"/>
        <source>Ungültiger Dateiname: %1</source>
        <translation>Invalid file name: %1</translation>
    </message>
    <message>
        <location filename="../SaveAndLoad.cpp" line="124"/>
        <source>Die Datei &quot;%1&quot; konnte nicht gelöscht werden.</source>
        <translation>The file &quot;%1&quot; could not be deleted.</translation>
    </message>
</context>
<context>
    <name>ShareBackend</name>
    <message>
        <location filename="../ShareBackend.cpp" line="24"/>
        <source>Ungültiger Dateiname: %1</source>
        <translation>Invalid file name: %1</translation>
    </message>
    <message>
        <location filename="../ShareBackend.cpp" line="35"/>
        <source>Die Datei zum Teilen konnte nicht erstellt werden.</source>
        <translation>The file to share could not be created.</translation>
    </message>
    <message>
        <location filename="../ShareBackend.cpp" line="47"/>
        <source>Die Datei konnte nicht in den Speicherordner kopiert werden.</source>
        <translation>The file could not be copied to the save folder.</translation>
    </message>
    <message>
        <location filename="../ShareBackend.cpp" line="54"/>
        <source>Die Datei %1 liegt zum Teilen bereit.</source>
        <translation>The file %1 is ready to share.</translation>
    </message>
</context>
<context>
    <name>TextFileReader</name>
    <message>
        <location filename="../TextFileReader.cpp" line="31"/>
        <source>Datei kann nicht gelesen werden: %1</source>
        <translation>Cannot read file: %1</translation>
    </message>
    <message>
        <location filename="../TextFileReader.cpp" line="36"/>
        <source>Datei ist zu groß: %1</source>
        <translation>File is too large: %1</translation>
    </message>
</context>
</TS>
