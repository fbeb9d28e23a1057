<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>HomePage</name>
    <message>
        <location filename="../qml/HomePage.qml" line="43"/>
        <source>Konfiguration von Raumsensoren</source>
        <translation>Konfiguration von Raumsensoren</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="91"/>
        <source>Geräte</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="98"/>
        <source>Wählen Sie die Gerätefamilie, die Sie konfigurieren möchten.</source>
        <translation>Wählen Sie die Gerätefamilie, die Sie konfigurieren möchten.</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="128"/>
        <source>Schließen</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="185"/>
        <source>Keine Geräte-Plugins gefunden</source>
        <translation>Keine Geräte-Plugins gefunden</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="195"/>
        <source>Gesucht in: %1</source>
        <translation>Gesucht in: %1</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="214"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>HostApplication</name>
    <message>
        <location filename="../HostApplication.cpp" line="113"/>
        <source>Die Startseite konnte nicht geladen werden.</source>
        <translation>Die Startseite konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../HostApplication.cpp" line="118"/>
        <source>Der Anzeigebereich für Plugins fehlt auf der Startseite.</source>
        <translation>Der Anzeigebereich für Plugins fehlt auf der Startseite.</translation>
    </message>
</context>
<context>
    <name>HostOptions</name>
    <message>
        <location filename="../HostOptions.cpp" line="74"/>
        <source>Orvane - Konfiguration von Raumsensoren</source>
        <translation>Orvane - Konfiguration von Raumsensoren</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="41"/>
        <source>Sucht die Plugins im Ordner &lt;dir&gt;.</source>
        <translation>Sucht die Plugins im Ordner &lt;dir&gt;.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="10"/>
        <source>Keine Anzeige gefunden. Ohne Anzeige starten: QT_QPA_PLATFORM=offscreen %1 --tour --screenshot-dir ORDNER</source>
        <translation>Keine Anzeige gefunden. Ohne Anzeige starten: QT_QPA_PLATFORM=offscreen %1 --tour --screenshot-dir ORDNER</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="45"/>
        <source>Öffnet das Plugin &lt;name&gt; (Klassen- oder Dateiname) direkt.</source>
        <translation>Öffnet das Plugin &lt;name&gt; (Klassen- oder Dateiname) direkt.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="49"/>
        <source>Zeigt das mit --open-plugin geöffnete Plugin mit einem simulierten Gerät.</source>
        <translation>Zeigt das mit --open-plugin geöffnete Plugin mit einem simulierten Gerät.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="52"/>
        <source>Sprache der Oberfläche: de oder en.</source>
        <translation>Sprache der Oberfläche: de oder en.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="56"/>
        <source>Speichert ein Bildschirmfoto der Anzeige in &lt;file&gt;.</source>
        <translation>Speichert ein Bildschirmfoto der Anzeige in &lt;file&gt;.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="60"/>
        <source>Ordner für die Bildschirmfotos des Rundgangs.</source>
        <translation>Ordner für die Bildschirmfotos des Rundgangs.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="64"/>
        <source>Fotografiert die Startseite und jedes Plugin und beendet sich.</source>
        <translation>Fotografiert die Startseite und jedes Plugin und beendet sich.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="66"/>
        <source>Startet ohne Startbild.</source>
        <translation>Startet ohne Startbild.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="68"/>
        <source>Beendet sich nach dem Bildschirmfoto.</source>
        <translation>Beendet sich nach dem Bildschirmfoto.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="105"/>
        <source>Unbekanntes Argument: %1</source>
        <translation>Unbekanntes Argument: %1</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="112"/>
        <source>Unbekannte Sprache &quot;%1&quot; (erlaubt: de, en).</source>
        <translation>Unbekannte Sprache &quot;%1&quot; (erlaubt: de, en).</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="130"/>
        <source>--tour braucht --screenshot-dir.</source>
        <translation>--tour braucht --screenshot-dir.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="134"/>
        <source>--simulate braucht --open-plugin.</source>
        <translation>--simulate braucht --open-plugin.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="138"/>
        <source>--quit-after-screenshot braucht --screenshot.</source>
        <translation>--quit-after-screenshot braucht --screenshot.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="142"/>
        <source>--plugin-dir braucht einen Ordner.</source>
        <translation>--plugin-dir braucht einen Ordner.</translation>
    </message>
</context>
<context>
    <name>HostTour</name>
    <message>
        <location filename="../HostTour.cpp" line="58"/>
        <source>Das Plugin &quot;%1&quot; wurde während des Rundgangs geschlossen.</source>
        <translation>Das Plugin &quot;%1&quot; wurde während des Rundgangs geschlossen.</translation>
    </message>
    <message>
        <location filename="../HostTour.cpp" line="145"/>
        <source>Das Plugin &quot;%1&quot; nennt keine Seiten für den Rundgang.</source>
        <translation>Das Plugin &quot;%1&quot; nennt keine Seiten für den Rundgang.</translation>
    </message>
</context>
<context>
    <name>PluginCard</name>
    <message>
        <location filename="../qml/PluginCard.qml" line="84"/>
        <source>%1, Version %2</source>
        <translation>%1, Version %2</translation>
    </message>
    <message>
        <location filename="../qml/PluginCard.qml" line="97"/>
        <source>Öffnen</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>PluginCatalog</name>
    <message>
        <location filename="../PluginCatalog.cpp" line="27"/>
        <source>Konfiguration der KIV-Raumsensoren</source>
        <translation>Konfiguration der KIV-Raumsensoren</translation>
    </message>
    <message>
        <location filename="../PluginCatalog.cpp" line="28"/>
        <source>Konfiguration der LoRaWAN-Sensoren über USB</source>
        <translation>Konfiguration der LoRaWAN-Sensoren über USB</translation>
    </message>
</context>
<context>
    <name>PluginHost</name>
    <message>
        <location filename="../PluginHost.cpp" line="30"/>
        <source>Das Plugin &quot;%1&quot; hat keine Startseite geliefert.</source>
        <translation>Das Plugin &quot;%1&quot; hat keine Startseite geliefert.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="62"/>
        <source>Kein Plugin mit dem Namen &quot;%1&quot; gefunden.</source>
        <translation>Kein Plugin mit dem Namen &quot;%1&quot; gefunden.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="71"/>
        <source>Dieses Plugin gibt es nicht (mehr).</source>
        <translation>Dieses Plugin gibt es nicht (mehr).</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="88"/>
        <source>Das Plugin &quot;%1&quot; konnte nicht geladen werden: %2</source>
        <translation>Das Plugin &quot;%1&quot; konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="93"/>
        <source>Das Plugin &quot;%1&quot; bietet die Plugin-Schnittstelle nicht an.</source>
        <translation>Das Plugin &quot;%1&quot; bietet die Plugin-Schnittstelle nicht an.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="99"/>
        <source>Das Plugin &quot;%1&quot; meldet keine Startseite (Signal pluginLoaded fehlt).</source>
        <translation>Das Plugin &quot;%1&quot; meldet keine Startseite (Signal pluginLoaded fehlt).</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="114"/>
        <source>Das Plugin &quot;%1&quot; ließ sich nicht starten: %2</source>
        <translation>Das Plugin &quot;%1&quot; ließ sich nicht starten: %2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="118"/>
        <source>Das Plugin &quot;%1&quot; ließ sich nicht starten.</source>
        <translation>Das Plugin &quot;%1&quot; ließ sich nicht starten.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="132"/>
        <source>Das Plugin &quot;%1&quot; bietet kein loadUi an.</source>
        <translation>Das Plugin &quot;%1&quot; bietet kein loadUi an.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="161"/>
        <source>Das Plugin &quot;%1&quot; hat eine ungültige Startseite gemeldet.</source>
        <translation>Das Plugin &quot;%1&quot; hat eine ungültige Startseite gemeldet.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="178"/>
        <source>Die Startseite des Plugins &quot;%1&quot; konnte nicht geladen werden:
%2</source>
        <translation>Die Startseite des Plugins &quot;%1&quot; konnte nicht geladen werden:
%2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="187"/>
        <source>Die Startseite des Plugins &quot;%1&quot; konnte nicht erzeugt werden:
%2</source>
        <translation>Die Startseite des Plugins &quot;%1&quot; konnte nicht erzeugt werden:
%2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="199"/>
        <source>Die Startseite des Plugins &quot;%1&quot; hat sich selbst gelöscht.</source>
        <translation>Die Startseite des Plugins &quot;%1&quot; hat sich selbst gelöscht.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="205"/>
        <source>Kein Anzeigebereich für das Plugin vorhanden.</source>
        <translation>Kein Anzeigebereich für das Plugin vorhanden.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="214"/>
        <source>Die Startseite des Plugins &quot;%1&quot; ist kein sichtbares Element.</source>
        <translation>Die Startseite des Plugins &quot;%1&quot; ist kein sichtbares Element.</translation>
    </message>
</context>
<context>
    <name>PluginSimulation</name>
    <message>
        <location filename="../PluginSimulation.cpp" line="19"/>
        <source>Das Plugin &quot;%1&quot; hat sein simuliertes Gerät nicht rechtzeitig geladen.</source>
        <translation>Das Plugin &quot;%1&quot; hat sein simuliertes Gerät nicht rechtzeitig geladen.</translation>
    </message>
    <message>
        <location filename="../PluginSimulation.cpp" line="35"/>
        <source>Das Plugin &quot;%1&quot; bietet kein simuliertes Gerät an.</source>
        <translation>Das Plugin &quot;%1&quot; bietet kein simuliertes Gerät an.</translation>
    </message>
    <message>
        <location filename="../PluginSimulation.cpp" line="60"/>
        <source>Das Plugin &quot;%1&quot; wurde geschlossen, bevor sein simuliertes Gerät bereit war.</source>
        <translation>Das Plugin &quot;%1&quot; wurde geschlossen, bevor sein simuliertes Gerät bereit war.</translation>
    </message>
</context>
<context>
    <name>Screenshooter</name>
    <message>
        <location filename="../Screenshooter.cpp" line="43"/>
        <source>Es wird bereits ein Bildschirmfoto erstellt.</source>
        <translation>Es wird bereits ein Bildschirmfoto erstellt.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="48"/>
        <location filename="../Screenshooter.cpp" line="80"/>
        <source>Kein Fenster für das Bildschirmfoto vorhanden.</source>
        <translation>Kein Fenster für das Bildschirmfoto vorhanden.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="83"/>
        <source>Das Fenster konnte nicht abfotografiert werden.</source>
        <translation>Das Fenster konnte nicht abfotografiert werden.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="86"/>
        <source>Der Ordner %1 konnte nicht angelegt werden.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="89"/>
        <source>Das Bildschirmfoto konnte nicht nach %1 geschrieben werden.</source>
        <translation>Das Bildschirmfoto konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
</TS>
