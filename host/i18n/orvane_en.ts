<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>HomePage</name>
    <message>
        <location filename="../qml/HomePage.qml" line="43"/>
        <source>Konfiguration von Raumsensoren</source>
        <translation>Configuration of room sensors</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="91"/>
        <source>Geräte</source>
        <translation>Devices</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="98"/>
        <source>Wählen Sie die Gerätefamilie, die Sie konfigurieren möchten.</source>
        <translation>Choose the device family you want to configure.</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="128"/>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="185"/>
        <source>Keine Geräte-Plugins gefunden</source>
        <translation>No device plugins found</translation>
    </message>
    <message>
        <location filename="../qml/HomePage.qml" line="195"/>
        <source>Gesucht in: %1</source>
        <translation>Searched in: %1</translation>
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
        <translation>The home page could not be loaded.</translation>
    </message>
    <message>
        <location filename="../HostApplication.cpp" line="118"/>
        <source>Der Anzeigebereich für Plugins fehlt auf der Startseite.</source>
        <translation>The home page has no display area for plugins.</translation>
    </message>
</context>
<context>
    <name>HostOptions</name>
    <message>
        <location filename="../HostOptions.cpp" line="74"/>
        <source>Orvane - Konfiguration von Raumsensoren</source>
        <translation>Orvane - configuration of room sensors</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="41"/>
        <source>Sucht die Plugins im Ordner &lt;dir&gt;.</source>
        <translation>Looks for the plugins in folder &lt;dir&gt;.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="10"/>
        <source>Keine Anzeige gefunden. Ohne Anzeige starten: QT_QPA_PLATFORM=offscreen %1 --tour --screenshot-dir ORDNER</source>
        <translation>No display found. To run without one: QT_QPA_PLATFORM=offscreen %1 --tour --screenshot-dir DIR</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="45"/>
        <source>Öffnet das Plugin &lt;name&gt; (Klassen- oder Dateiname) direkt.</source>
        <translation>Opens plugin &lt;name&gt; (class or file name) directly.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="49"/>
        <source>Zeigt das mit --open-plugin geöffnete Plugin mit einem simulierten Gerät.</source>
        <translation>Shows the plugin opened with --open-plugin with a simulated device.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="52"/>
        <source>Sprache der Oberfläche: de oder en.</source>
        <translation>Language of the user interface: de or en.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="56"/>
        <source>Speichert ein Bildschirmfoto der Anzeige in &lt;file&gt;.</source>
        <translation>Saves a screenshot of the display to &lt;file&gt;.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="60"/>
        <source>Ordner für die Bildschirmfotos des Rundgangs.</source>
        <translation>Folder for the screenshots of the tour.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="64"/>
        <source>Fotografiert die Startseite und jedes Plugin und beendet sich.</source>
        <translation>Takes screenshots of the home page and of every plugin, then exits.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="66"/>
        <source>Startet ohne Startbild.</source>
        <translation>Starts without the splash screen.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="68"/>
        <source>Beendet sich nach dem Bildschirmfoto.</source>
        <translation>Exits after the screenshot.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="105"/>
        <source>Unbekanntes Argument: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="112"/>
        <source>Unbekannte Sprache &quot;%1&quot; (erlaubt: de, en).</source>
        <translation>Unknown language &quot;%1&quot; (allowed: de, en).</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="130"/>
        <source>--tour braucht --screenshot-dir.</source>
        <translation>--tour needs --screenshot-dir.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="134"/>
        <source>--simulate braucht --open-plugin.</source>
        <translation>--simulate needs --open-plugin.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="138"/>
        <source>--quit-after-screenshot braucht --screenshot.</source>
        <translation>--quit-after-screenshot needs --screenshot.</translation>
    </message>
    <message>
        <location filename="../HostOptions.cpp" line="142"/>
        <source>--plugin-dir braucht einen Ordner.</source>
        <translation>--plugin-dir needs a folder.</translation>
    </message>
</context>
<context>
    <name>HostTour</name>
    <message>
        <location filename="../HostTour.cpp" line="58"/>
        <source>Das Plugin &quot;%1&quot; wurde während des Rundgangs geschlossen.</source>
        <translation>The plugin &quot;%1&quot; was closed during the tour.</translation>
    </message>
    <message>
        <location filename="../HostTour.cpp" line="145"/>
        <source>Das Plugin &quot;%1&quot; nennt keine Seiten für den Rundgang.</source>
        <translation>The plugin &quot;%1&quot; names no pages for the tour.</translation>
    </message>
</context>
<context>
    <name>PluginCard</name>
    <message>
        <location filename="../qml/PluginCard.qml" line="84"/>
        <source>%1, Version %2</source>
        <translation>%1, version %2</translation>
    </message>
    <message>
        <location filename="../qml/PluginCard.qml" line="97"/>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>PluginCatalog</name>
    <message>
        <location filename="../PluginCatalog.cpp" line="27"/>
        <source>Konfiguration der KIV-Raumsensoren</source>
        <translation>Configuration of the KIV room sensors</translation>
    </message>
    <message>
        <location filename="../PluginCatalog.cpp" line="28"/>
        <source>Konfiguration der LoRaWAN-Sensoren über USB</source>
        <translation>Configuration of the LoRaWAN sensors over USB</translation>
    </message>
</context>
<context>
    <name>PluginHost</name>
    <message>
        <location filename="../PluginHost.cpp" line="30"/>
        <source>Das Plugin &quot;%1&quot; hat keine Startseite geliefert.</source>
        <translation>The plugin &quot;%1&quot; did not deliver a start page.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="62"/>
        <source>Kein Plugin mit dem Namen &quot;%1&quot; gefunden.</source>
        <translation>No plugin named &quot;%1&quot; was found.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="71"/>
        <source>Dieses Plugin gibt es nicht (mehr).</source>
        <translation>This plugin does not exist (any more).</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="88"/>
        <source>Das Plugin &quot;%1&quot; konnte nicht geladen werden: %2</source>
        <translation>The plugin &quot;%1&quot; could not be loaded: %2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="93"/>
        <source>Das Plugin &quot;%1&quot; bietet die Plugin-Schnittstelle nicht an.</source>
        <translation>The plugin &quot;%1&quot; does not offer the plugin interface.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="99"/>
        <source>Das Plugin &quot;%1&quot; meldet keine Startseite (Signal pluginLoaded fehlt).</source>
        <translation>The plugin &quot;%1&quot; cannot report a start page (signal pluginLoaded is missing).</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="114"/>
        <source>Das Plugin &quot;%1&quot; ließ sich nicht starten: %2</source>
        <translation>The plugin &quot;%1&quot; could not be started: %2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="118"/>
        <source>Das Plugin &quot;%1&quot; ließ sich nicht starten.</source>
        <translation>The plugin &quot;%1&quot; could not be started.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="132"/>
        <source>Das Plugin &quot;%1&quot; bietet kein loadUi an.</source>
        <translation>The plugin &quot;%1&quot; offers no loadUi.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="161"/>
        <source>Das Plugin &quot;%1&quot; hat eine ungültige Startseite gemeldet.</source>
        <translation>The plugin &quot;%1&quot; reported an invalid start page.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="178"/>
        <source>Die Startseite des Plugins &quot;%1&quot; konnte nicht geladen werden:
%2</source>
        <translation>The start page of plugin &quot;%1&quot; could not be loaded:
%2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="187"/>
        <source>Die Startseite des Plugins &quot;%1&quot; konnte nicht erzeugt werden:
%2</source>
        <translation>The start page of plugin &quot;%1&quot; could not be created:
%2</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="199"/>
        <source>Die Startseite des Plugins &quot;%1&quot; hat sich selbst gelöscht.</source>
        <translation>The start page of plugin &quot;%1&quot; deleted itself.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="205"/>
        <source>Kein Anzeigebereich für das Plugin vorhanden.</source>
        <translation>There is no display area for the plugin.</translation>
    </message>
    <message>
        <location filename="../PluginHost.cpp" line="214"/>
        <source>Die Startseite des Plugins &quot;%1&quot; ist kein sichtbares Element.</source>
        <translation>The start page of plugin &quot;%1&quot; is not a visible item.</translation>
    </message>
</context>
<context>
    <name>PluginSimulation</name>
    <message>
        <location filename="../PluginSimulation.cpp" line="19"/>
        <source>Das Plugin &quot;%1&quot; hat sein simuliertes Gerät nicht rechtzeitig geladen.</source>
        <translation>The plugin &quot;%1&quot; did not load its simulated device in time.</translation>
    </message>
    <message>
        <location filename="../PluginSimulation.cpp" line="35"/>
        <source>Das Plugin &quot;%1&quot; bietet kein simuliertes Gerät an.</source>
        <translation>The plugin &quot;%1&quot; offers no simulated device.</translation>
    </message>
    <message>
        <location filename="../PluginSimulation.cpp" line="60"/>
        <source>Das Plugin &quot;%1&quot; wurde geschlossen, bevor sein simuliertes Gerät bereit war.</source>
        <translation>The plugin &quot;%1&quot; was closed before its simulated device was ready.</translation>
    </message>
</context>
<context>
    <name>Screenshooter</name>
    <message>
        <location filename="../Screenshooter.cpp" line="43"/>
        <source>Es wird bereits ein Bildschirmfoto erstellt.</source>
        <translation>A screenshot is already being taken.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="48"/>
        <location filename="../Screenshooter.cpp" line="80"/>
        <source>Kein Fenster für das Bildschirmfoto vorhanden.</source>
        <translation>There is no window to take a screenshot of.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="83"/>
        <source>Das Fenster konnte nicht abfotografiert werden.</source>
        <translation>The window could not be captured.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="86"/>
        <source>Der Ordner %1 konnte nicht angelegt werden.</source>
        <translation>The folder %1 could not be created.</translation>
    </message>
    <message>
        <location filename="../Screenshooter.cpp" line="89"/>
        <source>Das Bildschirmfoto konnte nicht nach %1 geschrieben werden.</source>
        <translation>The screenshot could not be written to %1.</translation>
    </message>
</context>
</TS>
