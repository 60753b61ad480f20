<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DevChoosePage</name>
    <message>
        <source>%1 (no enumerator)</source>
        <translation>%1 (kein Enumerator)</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>LAN</source>
        <translation>LAN</translation>
    </message>
    <message>
        <source>RS232</source>
        <translation>RS232</translation>
    </message>
    <message>
        <source>GPIB</source>
        <translation>GPIB</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>keine gewählt</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>Bench supply on LAN (raw socket)</source>
        <translation>Labornetzgerät über LAN (Raw-Socket)</translation>
    </message>
    <message>
        <source>Calibrator on RS232</source>
        <translation>Kalibrator über RS232</translation>
    </message>
    <message>
        <source>Multimeter on USB</source>
        <translation>Multimeter über USB</translation>
    </message>
    <message>
        <source>Old record with leading zeros</source>
        <translation>Alter Datensatz mit führenden Nullen</translation>
    </message>
    <message>
        <source>I/O parameter record</source>
        <translation>E/A-Parametersatz</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>LAN mode</source>
        <translation>LAN-Modus</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Stoppbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>VISA resource</source>
        <translation>VISA-Ressource</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>0 (none chosen)</source>
        <translation>0 (keine gewählt)</translation>
    </message>
    <message>
        <source>The dialog opens like this</source>
        <translation>So öffnet sich der Dialog</translation>
    </message>
    <message>
        <source>Start from</source>
        <translation>Ausgangsdatensatz</translation>
    </message>
    <message>
        <source>Address suggestions</source>
        <translation>Adressvorschläge</translation>
    </message>
    <message>
        <source>Typing in the dialog&apos;s address field completes from this list.</source>
        <translation>Eingaben im Adressfeld des Dialogs werden aus dieser Liste vervollständigt.</translation>
    </message>
    <message>
        <source>Connect…</source>
        <translation>Verbinden…</translation>
    </message>
    <message>
        <source>Press Connect… to edit the record in the dialog.</source>
        <translation>Mit „Verbinden…“ bearbeiten Sie den Datensatz im Dialog.</translation>
    </message>
    <message numerus="yes">
        <source>Accepted: %n field(s) changed, shown in bold.</source>
        <translation>
            <numerusform>Übernommen: %n Feld geändert, fett hervorgehoben.</numerusform>
            <numerusform>Übernommen: %n Felder geändert, fett hervorgehoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cancelled: only an interface choice reaches the record (%n field(s) changed).</source>
        <translation>
            <numerusform>Abgebrochen: Nur die Wahl der Schnittstelle erreicht den Datensatz (%n Feld geändert).</numerusform>
            <numerusform>Abgebrochen: Nur die Wahl der Schnittstelle erreicht den Datensatz (%n Felder geändert).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DialogPage</name>
    <message>
        <source>Open a dialog</source>
        <translation>Dialog öffnen</translation>
    </message>
    <message>
        <source>Measurement functions…</source>
        <translation>Messfunktionen…</translation>
    </message>
    <message>
        <source>Measuring: Voltage</source>
        <translation>Messung: Spannung</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Measurement functions</source>
        <translation>Messfunktionen</translation>
    </message>
    <message>
        <source>Measuring nothing</source>
        <translation>Keine Messung</translation>
    </message>
    <message>
        <source>Measuring: %1</source>
        <translation>Messung: %1</translation>
    </message>
    <message>
        <source>Integration time…</source>
        <translation>Integrationszeit…</translation>
    </message>
    <message>
        <source>No integration time chosen yet</source>
        <translation>Noch keine Integrationszeit gewählt</translation>
    </message>
    <message>
        <source>0.1 PLC</source>
        <translation>0.1 PLC</translation>
    </message>
    <message>
        <source>1 PLC</source>
        <translation>1 PLC</translation>
    </message>
    <message>
        <source>10 PLC</source>
        <translation>10 PLC</translation>
    </message>
    <message>
        <source>100 PLC</source>
        <translation>100 PLC</translation>
    </message>
    <message>
        <source>Integration time</source>
        <translation>Integrationszeit</translation>
    </message>
    <message>
        <source>Integration time %1 power-line cycles</source>
        <translation>Integrationszeit %1 Netzperioden</translation>
    </message>
    <message>
        <source>Current limit…</source>
        <translation>Strombegrenzung…</translation>
    </message>
    <message>
        <source>Current limit: 1.50 A</source>
        <translation>Strombegrenzung: 1.50 A</translation>
    </message>
    <message>
        <source>Current limit in A</source>
        <translation>Strombegrenzung in A</translation>
    </message>
    <message>
        <source>Current limit: %1 A</source>
        <translation>Strombegrenzung: %1 A</translation>
    </message>
    <message>
        <source>Range and voltage…</source>
        <translation>Bereich und Spannung…</translation>
    </message>
    <message>
        <source>Range 30 V, output 12.00 V</source>
        <translation>Bereich 30 V, Ausgang 12.00 V</translation>
    </message>
    <message>
        <source>Range and voltage</source>
        <translation>Bereich und Spannung</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Range %1 V, output %2 V</source>
        <translation>Bereich %1 V, Ausgang %2 V</translation>
    </message>
    <message>
        <source>No range chosen, output %1 V</source>
        <translation>Kein Bereich gewählt, Ausgang %1 V</translation>
    </message>
    <message>
        <source>Output switch: a CheckButtonDialog embedded</source>
        <translation>Ausgangsschalter: CheckButtonDialog eingebettet</translation>
    </message>
    <message>
        <source>CH1 output</source>
        <translation>Ausgang CH1</translation>
    </message>
    <message>
        <source>CH2 output</source>
        <translation>Ausgang CH2</translation>
    </message>
    <message>
        <source>The buttons follow the simulated supply; clicking one switches its output.</source>
        <translation>Die Schaltflächen folgen dem simulierten Netzgerät; ein Klick schaltet den zugehörigen Ausgang.</translation>
    </message>
    <message>
        <source>Range and voltage: a CheckButtonAndSpinBoxDialog embedded</source>
        <translation>Bereich und Spannung: CheckButtonAndSpinBoxDialog eingebettet</translation>
    </message>
    <message>
        <source>Press OK to apply.</source>
        <translation>Mit „OK“ übernehmen.</translation>
    </message>
    <message>
        <source>Applied: range %1 V, output %2 V</source>
        <translation>Übernommen: Bereich %1 V, Ausgang %2 V</translation>
    </message>
</context>
<context>
    <name>EquipmentPage</name>
    <message>
        <source>&lt;h3&gt;The example equipment plug-in could not be loaded&lt;/h3&gt;&lt;p&gt;Looked for it at &lt;tt&gt;%1&lt;/tt&gt;:&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;Build the target &lt;tt&gt;rilo_equipment_simsupply&lt;/tt&gt; (it is part of every build with examples or tests) and start the gallery again.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Das Beispiel-Geräte-Plug-in konnte nicht geladen werden&lt;/h3&gt;&lt;p&gt;Gesucht unter &lt;tt&gt;%1&lt;/tt&gt;:&lt;br&gt;%2&lt;/p&gt;&lt;p&gt;Bauen Sie das Target &lt;tt&gt;rilo_equipment_simsupply&lt;/tt&gt; (es gehört zu jedem Build mit Beispielen oder Tests) und starten Sie die Galerie neu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>There is no such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>The file is not an equipment plug-in.</source>
        <translation>Die Datei ist kein Geräte-Plug-in.</translation>
    </message>
    <message>
        <source>Plug-in</source>
        <translation>Plug-in</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>Neueste</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 vom %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anmerkungen</translation>
    </message>
    <message>
        <source>Window signals</source>
        <translation>Fenstersignale</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keins)</translation>
    </message>
    <message>
        <source>opened</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>Open unit</source>
        <translation>Gerät öffnen</translation>
    </message>
    <message>
        <source>Show closed</source>
        <translation>Wieder zeigen</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Anordnen</translation>
    </message>
</context>
<context>
    <name>FlagPanelPage</name>
    <message>
        <source>Green (default)</source>
        <translation>Grün (Standard)</translation>
    </message>
    <message>
        <source>Amber</source>
        <translation>Bernsteingelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Flag panels showing the simulated two-channel supply. Click a channel&apos;s panel to switch its output; click the Output lamps to switch both.</source>
        <translation>Anzeigefelder für das simulierte Zweikanal-Netzgerät. Ein Klick auf das Feld eines Kanals schaltet dessen Ausgang; ein Klick auf die Lampen „Ausgang“ schaltet beide.</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>Click to switch the output of CH%1</source>
        <translation>Klicken schaltet den Ausgang von CH%1</translation>
    </message>
    <message>
        <source>Voltage set point</source>
        <translation>Spannungssollwert</translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation>Strombegrenzung</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>Ausgangsleistung</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Constant voltage</source>
        <translation>Konstantspannung</translation>
    </message>
    <message>
        <source>Constant current</source>
        <translation>Konstantstrom</translation>
    </message>
    <message>
        <source>Panel settings</source>
        <translation>Einstellungen der Anzeigefelder</translation>
    </message>
    <message>
        <source>Lamp colour when on</source>
        <translation>Lampenfarbe im Ein-Zustand</translation>
    </message>
    <message>
        <source>Blank every flag and hold the display</source>
        <translation>Alle Anzeigen leeren und Anzeige anhalten</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>No panel clicked yet.</source>
        <translation>Noch kein Feld angeklickt.</translation>
    </message>
    <message>
        <source>Last click</source>
        <translation>Letzter Klick</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>CH%1 panel: output switched %2</source>
        <translation>Feld CH%1: Ausgang %2geschaltet</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Output lamps: both outputs switched %1</source>
        <translation>Lampen „Ausgang“: beide Ausgänge %1geschaltet</translation>
    </message>
</context>
<context>
    <name>GIFMessageBoxPage</name>
    <message>
        <source>### Zero the instrument

Connect the **calibrator** output to the input of the **instrument** and press **OK**. The instrument then measures the reference and stores its offset.

- Calibrator: %1 V reference
- Instrument: channel CH1, now reading %2 V
</source>
        <translation>### Nullabgleich des Messgeräts

Verbinden Sie den Ausgang des **Kalibrators** mit dem Eingang des **Messgeräts** und drücken Sie **OK**. Das Messgerät misst dann die Referenz und speichert seinen Offset.

- Kalibrator: %1 V Referenz
- Messgerät: Kanal CH1, zeigt derzeit %2 V
</translation>
    </message>
    <message>
        <source>Open as dialog…</source>
        <translation>Als Dialog öffnen…</translation>
    </message>
    <message>
        <source>Stop animations</source>
        <translation>Animationen anhalten</translation>
    </message>
    <message>
        <source>The preview below is the message box itself, embedded in the page.</source>
        <translation>Die Vorschau unten ist das Meldungsfenster selbst, in die Seite eingebettet.</translation>
    </message>
    <message>
        <source>Preview: OK pressed</source>
        <translation>Vorschau: OK gedrückt</translation>
    </message>
    <message>
        <source>Preview: Cancel pressed</source>
        <translation>Vorschau: Abbrechen gedrückt</translation>
    </message>
    <message>
        <source>Start animations</source>
        <translation>Animationen starten</translation>
    </message>
    <message>
        <source>Zero the instrument</source>
        <translation>Nullabgleich des Messgeräts</translation>
    </message>
    <message>
        <source>Dialog: accepted, offset stored</source>
        <translation>Dialog: bestätigt, Offset gespeichert</translation>
    </message>
    <message>
        <source>Dialog: cancelled</source>
        <translation>Dialog: abgebrochen</translation>
    </message>
</context>
<context>
    <name>GalleryPages</name>
    <message>
        <source>Readouts</source>
        <translation>Messanzeigen</translation>
    </message>
    <message>
        <source>Connect instrument</source>
        <translation>Gerät verbinden</translation>
    </message>
    <message>
        <source>Flag panels</source>
        <translation>Anzeigefelder</translation>
    </message>
    <message>
        <source>Parameter dialogs</source>
        <translation>Parameterdialoge</translation>
    </message>
    <message>
        <source>GIF message box</source>
        <translation>GIF-Meldungsfenster</translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
</context>
<context>
    <name>GalleryWindow</name>
    <message>
        <source>librilo_widget gallery</source>
        <translation>librilo_widget-Galerie</translation>
    </message>
</context>
<context>
    <name>InputPage</name>
    <message>
        <source>Measurement files (drop files from a file manager)</source>
        <translation>Messdateien (aus einem Dateimanager hierher ziehen)</translation>
    </message>
    <message>
        <source>every file</source>
        <translation>alle Dateien</translation>
    </message>
    <message>
        <source>Accept drops</source>
        <translation>Ablegen erlauben</translation>
    </message>
    <message>
        <source>Suffixes</source>
        <translation>Dateiendungen</translation>
    </message>
    <message>
        <source>Most entries</source>
        <translation>Max. Einträge</translation>
    </message>
    <message>
        <source>Drop files with an accepted suffix onto the list: they go on top in the order of the drag, the first one selected. A path already listed is not added twice, and the oldest entries make room at the bottom.</source>
        <translation>Dateien mit einer zugelassenen Endung auf die Liste ziehen: Sie kommen in der Reihenfolge des Ziehens nach oben, die erste wird ausgewählt. Ein bereits aufgeführter Pfad kommt nicht doppelt hinzu, und die ältesten Einträge machen unten Platz.</translation>
    </message>
    <message>
        <source>%1 of at most %2 entries. Nothing dropped yet.</source>
        <translation>%1 von höchstens %2 Einträgen. Noch nichts abgelegt.</translation>
    </message>
    <message>
        <source>%1 of at most %2 entries. Last drop: %3 file(s), first %4.</source>
        <translation>%1 von höchstens %2 Einträgen. Zuletzt abgelegt: %3 Datei(en), zuerst %4.</translation>
    </message>
    <message>
        <source>Supply outputs (on/off selectors)</source>
        <translation>Ausgänge des Netzgeräts (Ein/Aus-Auswahl)</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>%1  CH%2 toggled(%3)</source>
        <translation>%1  CH%2 toggled(%3)</translation>
    </message>
    <message>
        <source>toggled() as the selectors emit it:</source>
        <translation>toggled(), wie die Auswahlfelder es senden:</translation>
    </message>
</context>
<context>
    <name>ReadoutPage</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Bench green</source>
        <translation>Laborgrün</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>CH2</source>
        <translation>CH2</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>OUTPUT ON</source>
        <translation>AUSGANG EIN</translation>
    </message>
    <message>
        <source>OUTPUT OFF</source>
        <translation>AUSGANG AUS</translation>
    </message>
    <message>
        <source>Panel state</source>
        <translation>Zustand der Anzeige</translation>
    </message>
    <message>
        <source>Active (ring and captions)</source>
        <translation>Aktiv (Rahmen und Beschriftungen)</translation>
    </message>
    <message>
        <source>Enabled (whole panel)</source>
        <translation>Freigegeben (ganze Anzeige)</translation>
    </message>
    <message>
        <source>Simulated supply</source>
        <translation>Simuliertes Netzgerät</translation>
    </message>
    <message>
        <source>Output CH%1</source>
        <translation>Ausgang CH%1</translation>
    </message>
    <message>
        <source>Colour pairs</source>
        <translation>Farbpaare</translation>
    </message>
    <message>
        <source>Scheme</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Active on</source>
        <translation>Aktiv: ein</translation>
    </message>
    <message>
        <source>Active off</source>
        <translation>Aktiv: aus</translation>
    </message>
    <message>
        <source>Enabled on</source>
        <translation>Freigegeben: ein</translation>
    </message>
    <message>
        <source>Enabled off</source>
        <translation>Freigegeben: aus</translation>
    </message>
    <message>
        <source>OUT %1</source>
        <translation>AUSG %1</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>CC %1</translation>
    </message>
    <message>
        <source>REMOTE</source>
        <translation>FERN</translation>
    </message>
    <message>
        <source>CH%1 SET</source>
        <translation>CH%1 SOLL</translation>
    </message>
</context>
<context>
    <name>SimSupplyPlugin</name>
    <message>
        <source>Front panel</source>
        <translation>Frontplatte</translation>
    </message>
    <message>
        <source>Current limit settable in 1 mA steps</source>
        <translation>Strombegrenzung in 1-mA-Schritten einstellbar</translation>
    </message>
    <message>
        <source>Output state shown in the front panel</source>
        <translation>Ausgangszustand in der Frontplatte angezeigt</translation>
    </message>
    <message>
        <source>Faster readings (5 per second)</source>
        <translation>Schnellere Messwerte (5 pro Sekunde)</translation>
    </message>
    <message>
        <source>First release</source>
        <translation>Erste Version</translation>
    </message>
</context>
<context>
    <name>SimSupplyWindow</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>CH1</source>
        <translation>CH1</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Current limit</source>
        <translation>Strombegrenzung</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>%1 %2, firmware %3
%4</source>
        <translation>%1 %2, Firmware %3
%4</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>OUTPUT ON</source>
        <translation>AUSGANG EIN</translation>
    </message>
    <message>
        <source>OUTPUT OFF</source>
        <translation>AUSGANG AUS</translation>
    </message>
</context>
<context>
    <name>WindowPage</name>
    <message>
        <source>Window flashing</source>
        <translation>Fenster blinken lassen</translation>
    </message>
    <message>
        <source>Draws attention to the gallery window: on Windows its caption and task-bar button flash; elsewhere the window manager marks it as urgent until it is activated or the time is up. Switch to another window after clicking to see it.</source>
        <translation>Lenkt die Aufmerksamkeit auf das Galeriefenster: Unter Windows blinken Titelleiste und Taskleisten-Schaltfläche; anderswo markiert der Fenstermanager es als dringend, bis es aktiviert wird oder die Zeit abgelaufen ist. Wechseln Sie nach dem Klick zu einem anderen Fenster, um es zu sehen.</translation>
    </message>
    <message>
        <source>Flash for 3 seconds</source>
        <translation>3 Sekunden blinken</translation>
    </message>
    <message>
        <source>Flash until stopped</source>
        <translation>Blinken bis Stopp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Not flashing.</source>
        <translation>Blinkt nicht.</translation>
    </message>
    <message>
        <source>Flashing for 3 seconds, every half second.</source>
        <translation>Blinkt 3 Sekunden lang, jede halbe Sekunde.</translation>
    </message>
    <message>
        <source>Flashing until stopped.</source>
        <translation>Blinkt, bis es gestoppt wird.</translation>
    </message>
    <message>
        <source>Finding widgets by class</source>
        <translation>Widgets nach Klasse suchen</translation>
    </message>
    <message>
        <source>Meta-object class names, fully qualified, separated by commas; empty finds every object</source>
        <translation>Klassennamen der Meta-Objekte, voll qualifiziert, durch Kommas getrennt; leer findet jedes Objekt</translation>
    </message>
    <message>
        <source>Recursive</source>
        <translation>Rekursiv</translation>
    </message>
    <message>
        <source>Find in main window</source>
        <translation>Im Hauptfenster suchen</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Main window: %1 &quot;%2&quot;</source>
        <translation>Hauptfenster: %1 „%2“</translation>
    </message>
    <message>
        <source>No main window.</source>
        <translation>Kein Hauptfenster.</translation>
    </message>
    <message numerus="yes">
        <source>Finding widgets by class: %n found</source>
        <translation>
            <numerusform>Widgets nach Klasse suchen: %n gefunden</numerusform>
            <numerusform>Widgets nach Klasse suchen: %n gefunden</numerusform>
        </translation>
    </message>
</context>
</TS>
