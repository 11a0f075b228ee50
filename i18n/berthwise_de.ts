<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Berthwise icon</source>
        <translation>Berthwise-Symbol</translation>
    </message>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Customize your macOS Dock visually, safely, and instantly.</source>
        <translation>Das Dock von macOS anschaulich, sicher und sofort anpassen.</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Produktseite</translation>
    </message>
    <message>
        <source>Get in Touch</source>
        <translation>Kontakt aufnehmen</translation>
    </message>
    <message>
        <source>© Berthwise. Released under the MIT License.</source>
        <translation>© Berthwise. Veröffentlicht unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Designed and built on macOS and Linux.</source>
        <translation>Entworfen und entwickelt auf macOS und Linux.</translation>
    </message>
</context>
<context>
    <name>ActivitySpinner</name>
    <message>
        <source>Working</source>
        <translation>In Arbeit</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Small, careful tools for the Mac desktop.</source>
        <translation>Kleine, sorgfältige Werkzeuge für den Mac.</translation>
    </message>
</context>
<context>
    <name>AppearanceView</name>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Adjust the visual look and position of your Dock.</source>
        <translation>Aussehen und Position des Docks anpassen.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Dock Position</source>
        <translation>Position auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Dock Size</source>
        <translation>Größe des Docks</translation>
    </message>
    <message>
        <source>Change the base icon size.</source>
        <translation>Die Grundgröße der Symbole ändern.</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Vergrößerung</translation>
    </message>
    <message>
        <source>Enable Magnification</source>
        <translation>Vergrößerung aktivieren</translation>
    </message>
    <message>
        <source>Enlarge icons when hovering over the Dock.</source>
        <translation>Symbole vergrößern, wenn der Zeiger über dem Dock ist.</translation>
    </message>
    <message>
        <source>Magnification Size</source>
        <translation>Größe der Vergrößerung</translation>
    </message>
    <message>
        <source>Maximum icon size when hovered.</source>
        <translation>Größte Symbolgröße unter dem Zeiger.</translation>
    </message>
    <message>
        <source>Minimize Effect</source>
        <translation>Effekt beim Ablegen</translation>
    </message>
    <message>
        <source>Genie</source>
        <translation>Trichter</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Suck</source>
        <translation>Einsaugen</translation>
    </message>
</context>
<context>
    <name>BackupRestoreView</name>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Backup &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Protect your Dock layout and recover from any change.</source>
        <translation>Das Dock-Layout schützen und jede Änderung rückgängig machen.</translation>
    </message>
    <message>
        <source>Create Backup</source>
        <translation>Backup erstellen</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Saved Backups</source>
        <translation>Gesicherte Backups</translation>
    </message>
    <message numerus="yes">
        <source>%n backup</source>
        <extracomment>Two entries, so that English needs no catalogue: give both every plural form.</extracomment>
        <translation>
            <numerusform>%n Backup</numerusform>
            <numerusform>%n Backups</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n backups</source>
        <translation>
            <numerusform>%n Backup</numerusform>
            <numerusform>%n Backups</numerusform>
        </translation>
    </message>
    <message>
        <source>No backups yet</source>
        <translation>Noch keine Backups</translation>
    </message>
    <message>
        <source>Create a backup to save your current Dock layout.</source>
        <translation>Ein Backup erstellen, um das aktuelle Dock-Layout zu sichern.</translation>
    </message>
    <message>
        <source>Reset Dock to Apple Defaults?</source>
        <translation>Dock auf die Standardeinstellungen von Apple zurücksetzen?</translation>
    </message>
    <message>
        <source>This removes all Dock customizations. Create a backup first if you want to restore later.</source>
        <translation>Dadurch werden alle Anpassungen des Docks entfernt. Erstelle zuerst ein Backup, wenn du sie später wiederherstellen möchtest.</translation>
    </message>
    <message>
        <source>Reset Dock</source>
        <translation>Dock zurücksetzen</translation>
    </message>
    <message>
        <source>Restore this backup?</source>
        <translation>Dieses Backup wiederherstellen?</translation>
    </message>
    <message>
        <source>Your current Dock will be replaced with: %1</source>
        <translation>Dein aktuelles Dock wird ersetzt durch: %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>BackupRow</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>the backup</source>
        <extracomment>Fills the gap of &quot;Couldn&apos;t read %1 &apos;%2&apos;: %3&quot; and its siblings.</extracomment>
        <translation>des Backups</translation>
    </message>
    <message>
        <source>Couldn&apos;t restore the backup &apos;%1&apos;: it is not a Dock preferences file.</source>
        <translation>Das Backup „%1“ konnte nicht wiederhergestellt werden: Es ist keine Einstellungsdatei des Docks.</translation>
    </message>
    <message>
        <source>Couldn&apos;t list the backups in &apos;%1&apos;: %2.</source>
        <translation>Die Backups in „%1“ konnten nicht aufgelistet werden: %2.</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>BehaviorView</name>
    <message>
        <source>Behavior</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>Control how your Dock behaves and responds to interactions.</source>
        <translation>Festlegen, wie sich das Dock verhält und auf Eingaben reagiert.</translation>
    </message>
    <message>
        <source>Auto-hide Dock</source>
        <translation>Dock automatisch ein- und ausblenden</translation>
    </message>
    <message>
        <source>Hide the Dock until your pointer reaches its edge.</source>
        <translation>Das Dock ausblenden, bis der Zeiger den Bildschirmrand erreicht.</translation>
    </message>
    <message>
        <source>Fast Auto-hide</source>
        <translation>Schnelles Ausblenden</translation>
    </message>
    <message>
        <source>Eliminate the show/hide animation delay.</source>
        <translation>Die Verzögerung beim Ein- und Ausblenden entfernen.</translation>
    </message>
    <message>
        <source>Show Only Running Apps</source>
        <translation>Nur geöffnete Apps anzeigen</translation>
    </message>
    <message>
        <source>Display only open apps, like a classic taskbar.</source>
        <translation>Nur geöffnete Apps zeigen, wie eine klassische Taskleiste.</translation>
    </message>
    <message>
        <source>Dim Hidden Apps</source>
        <translation>Ausgeblendete Apps abdunkeln</translation>
    </message>
    <message>
        <source>Apps hidden with ⌘H appear translucent in the Dock.</source>
        <translation>Mit ⌘H ausgeblendete Apps erscheinen im Dock durchscheinend.</translation>
    </message>
    <message>
        <source>Show Running Indicators</source>
        <translation>Anzeige für geöffnete Apps einblenden</translation>
    </message>
    <message>
        <source>Display dots under apps that are currently open.</source>
        <translation>Punkte unter den Apps zeigen, die gerade geöffnet sind.</translation>
    </message>
    <message>
        <source>Minimize into App Icon</source>
        <translation>Fenster in Programmsymbol im Dock ablegen</translation>
    </message>
    <message>
        <source>Keep the Dock clean — no separate minimized window tiles.</source>
        <translation>Das Dock aufgeräumt halten – keine eigenen Felder für abgelegte Fenster.</translation>
    </message>
    <message>
        <source>Hide Recent Apps</source>
        <translation>Zuletzt benutzte Apps ausblenden</translation>
    </message>
    <message>
        <source>Remove the recent apps section from the Dock.</source>
        <translation>Den Bereich der zuletzt benutzten Apps aus dem Dock entfernen.</translation>
    </message>
    <message>
        <source>Changes apply immediately and restart your Dock. Running apps remain open.</source>
        <translation>Änderungen gelten sofort und starten das Dock neu. Geöffnete Apps bleiben geöffnet.</translation>
    </message>
</context>
<context>
    <name>CaptureProfileSheet</name>
    <message>
        <source>Stack</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Paintbrush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Briefcase</source>
        <translation>Aktentasche</translation>
    </message>
    <message>
        <source>Airplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>Game controller</source>
        <translation>Gamecontroller</translation>
    </message>
    <message>
        <source>Music note</source>
        <translation>Musiknote</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Bolt</source>
        <translation>Blitz</translation>
    </message>
    <message>
        <source>Sparkles</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>New Profile</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Capture your current Dock settings as a reusable profile.</source>
        <translation>Die aktuellen Dock-Einstellungen als wiederverwendbares Profil sichern.</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>e.g. Coding Mode</source>
        <translation>z. B. Programmieren</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
</context>
<context>
    <name>CardMenu</name>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Dashboard</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Spacers</source>
        <translation>Abstandhalter</translation>
    </message>
    <message>
        <source>Behavior</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Schedules</source>
        <translation>Zeitpläne</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Bereiche</translation>
    </message>
</context>
<context>
    <name>DashboardView</name>
    <message>
        <source>Dashboard</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Customize your macOS Dock visually, safely, and instantly.</source>
        <translation>Das Dock von macOS anschaulich, sicher und sofort anpassen.</translation>
    </message>
    <message>
        <source>Add Spacer</source>
        <translation>Abstandhalter hinzufügen</translation>
    </message>
    <message>
        <source>Insert a standard separator into the apps section.</source>
        <translation>Einen normalen Abstandhalter in den Bereich der Apps einfügen.</translation>
    </message>
    <message>
        <source>Clean Dock</source>
        <translation>Dock aufräumen</translation>
    </message>
    <message>
        <source>Hide recents and minimize windows into app icons.</source>
        <translation>Zuletzt benutzte Apps ausblenden und Fenster im Programmsymbol ablegen.</translation>
    </message>
    <message>
        <source>Fast Auto-hide</source>
        <translation>Schnelles Ausblenden</translation>
    </message>
    <message>
        <source>Enable auto-hide with instant show/hide speed.</source>
        <translation>Automatisches Ausblenden ohne Verzögerung einschalten.</translation>
    </message>
    <message>
        <source>Dim Hidden Apps</source>
        <translation>Ausgeblendete dimmen</translation>
    </message>
    <message>
        <source>Show hidden apps as translucent in the Dock.</source>
        <translation>Ausgeblendete Apps im Dock durchscheinend zeigen.</translation>
    </message>
    <message>
        <source>Backup Dock</source>
        <translation>Dock sichern</translation>
    </message>
    <message>
        <source>Save your current Dock layout to a local file.</source>
        <translation>Das aktuelle Dock-Layout in einer lokalen Datei sichern.</translation>
    </message>
    <message>
        <source>Developer Mode</source>
        <translation>Entwicklermodus</translation>
    </message>
    <message>
        <source>Apply compact left-side Dock preset for coding.</source>
        <translation>Die kompakte Voreinstellung mit dem Dock links zum Programmieren anwenden.</translation>
    </message>
</context>
<context>
    <name>DaysPicker</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Tuesday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>M</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Sunday</comment>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>DisplayText</name>
    <message>
        <source>Size %1px</source>
        <translation>Größe %1 px</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Auto-hide</source>
        <translation>Automatisch ausblenden</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
</context>
<context>
    <name>DockError</name>
    <message>
        <source>Couldn&apos;t read the current Dock layout.</source>
        <translation>Das aktuelle Dock-Layout konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Couldn&apos;t apply the Dock layout.</source>
        <translation>Das Dock-Layout konnte nicht angewendet werden.</translation>
    </message>
</context>
<context>
    <name>DockPreset</name>
    <message>
        <source>Developer Mode</source>
        <translation>Entwicklermodus</translation>
    </message>
    <message>
        <source>Clean Minimal</source>
        <translation>Schlicht &amp; minimal</translation>
    </message>
    <message>
        <source>Small Dock, no recent apps, cleaner minimized windows.</source>
        <translation>Kleines Dock, keine zuletzt benutzten Apps, aufgeräumt abgelegte Fenster.</translation>
    </message>
    <message>
        <source>Left Dock, compact icons, fast auto-hide, minimal distractions.</source>
        <translation>Dock links, kompakte Symbole, schnelles Ausblenden, wenig Ablenkung.</translation>
    </message>
    <message>
        <source>Presentation Mode</source>
        <translation>Präsentationsmodus</translation>
    </message>
    <message>
        <source>Hidden Dock, no recent apps, clean screen sharing.</source>
        <translation>Ausgeblendetes Dock, keine zuletzt benutzten Apps, saubere Bildschirmfreigabe.</translation>
    </message>
    <message>
        <source>Full Power</source>
        <translation>Volle Ausstattung</translation>
    </message>
    <message>
        <source>Large Dock, magnification on, all indicators visible.</source>
        <translation>Großes Dock, Vergrößerung an, alle Anzeigen sichtbar.</translation>
    </message>
</context>
<context>
    <name>DockSchedule</name>
    <message>
        <source>h:mm AP</source>
        <extracomment>A time format of QTime::toString: h hours, mm minutes, AP &quot;AM&quot; or &quot;PM&quot; (written in English). A 24-hour clock is &quot;HH:mm&quot;.</extracomment>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Wochentags</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Am Wochenende</translation>
    </message>
</context>
<context>
    <name>DockService</name>
    <message>
        <source>Couldn&apos;t read the exported Dock layout at %1: %2</source>
        <translation>Das exportierte Dock-Layout unter %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the Dock layout to %1: %2</source>
        <translation>Das Dock-Layout konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>DockViewModel</name>
    <message>
        <source>Dock updated successfully.</source>
        <translation>Dock erfolgreich aktualisiert.</translation>
    </message>
    <message>
        <source>Standard spacer added to Apps Section.</source>
        <translation>Normaler Abstandhalter zum Bereich der Apps hinzugefügt.</translation>
    </message>
    <message>
        <source>Standard spacer added to Right Side.</source>
        <translation>Normaler Abstandhalter zur rechten Seite hinzugefügt.</translation>
    </message>
    <message>
        <source>Small spacer added to Apps Section.</source>
        <translation>Kleiner Abstandhalter zum Bereich der Apps hinzugefügt.</translation>
    </message>
    <message>
        <source>Small spacer added to Right Side.</source>
        <translation>Kleiner Abstandhalter zur rechten Seite hinzugefügt.</translation>
    </message>
    <message>
        <source>Recent Applications stack added.</source>
        <translation>Stapel „Zuletzt benutzte Apps“ hinzugefügt.</translation>
    </message>
    <message>
        <source>Recent Documents stack added.</source>
        <translation>Stapel „Zuletzt benutzte Dokumente“ hinzugefügt.</translation>
    </message>
    <message>
        <source>Recent Servers stack added.</source>
        <translation>Stapel „Zuletzt benutzte Server“ hinzugefügt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; applied.</source>
        <translation>„%1“ angewendet.</translation>
    </message>
    <message>
        <source>That profile no longer exists.</source>
        <translation>Dieses Profil gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>Untitled Profile</source>
        <translation>Unbenanntes Profil</translation>
    </message>
    <message>
        <source>Profile &apos;%1&apos; captured.</source>
        <translation>Profil „%1“ gesichert.</translation>
    </message>
    <message>
        <source>Profile &apos;%1&apos; applied.</source>
        <translation>Profil „%1“ angewendet.</translation>
    </message>
    <message>
        <source>Profile renamed.</source>
        <translation>Profil umbenannt.</translation>
    </message>
    <message>
        <source>Profile deleted.</source>
        <translation>Profil gelöscht.</translation>
    </message>
    <message>
        <source>Profile exported.</source>
        <translation>Profil exportiert.</translation>
    </message>
    <message>
        <source>Profile imported.</source>
        <translation>Profil importiert.</translation>
    </message>
    <message>
        <source>Schedule applied &apos;%1&apos;.</source>
        <translation>Zeitplan angewendet: „%1“.</translation>
    </message>
    <message>
        <source>Backup created successfully.</source>
        <translation>Backup erfolgreich erstellt.</translation>
    </message>
    <message>
        <source>Dock restored from backup.</source>
        <translation>Dock aus dem Backup wiederhergestellt.</translation>
    </message>
    <message>
        <source>Dock reset to Apple defaults.</source>
        <translation>Dock auf die Standardeinstellungen von Apple zurückgesetzt.</translation>
    </message>
</context>
<context>
    <name>ErrorAlert</name>
    <message>
        <source>Something went wrong</source>
        <translation>Ein Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>JsonListStore</name>
    <message>
        <source>Couldn&apos;t save the %1: %2.</source>
        <extracomment>%1 names the records: &quot;profiles&quot; or &quot;schedules&quot;.</extracomment>
        <translation>Die %1 konnten nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>the file does not hold a list of %1</source>
        <extracomment>%1 names the records: &quot;profiles&quot; or &quot;schedules&quot;.</extracomment>
        <translation>die Datei enthält keine Liste der %1</translation>
    </message>
    <message>
        <source>the list holds an entry that is not a JSON object</source>
        <translation>die Liste enthält einen Eintrag, der kein JSON-Objekt ist</translation>
    </message>
    <message>
        <source>the %1 file</source>
        <extracomment>%1 names the records: &quot;profiles&quot; or &quot;schedules&quot;. Fills the gap of &quot;Couldn&apos;t read %1 &apos;%2&apos;: %3&quot;.</extracomment>
        <translation>der Datei für %1</translation>
    </message>
</context>
<context>
    <name>LiveDockPreview</name>
    <message>
        <source>Dock Preview</source>
        <translation>Vorschau des Docks</translation>
    </message>
    <message>
        <source>Auto-hide on</source>
        <translation>Automatisch ausblenden an</translation>
    </message>
</context>
<context>
    <name>MenuBarCompanion</name>
    <message>
        <source>Open Berthwise</source>
        <translation>Berthwise öffnen</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Voreinstellung anwenden</translation>
    </message>
    <message>
        <source>No profiles saved</source>
        <translation>Keine Profile gesichert</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Profil anwenden</translation>
    </message>
    <message>
        <source>Auto-hide Dock</source>
        <translation>Dock automatisch ein- und ausblenden</translation>
    </message>
    <message>
        <source>Add Spacer</source>
        <translation>Abstandhalter hinzufügen</translation>
    </message>
    <message>
        <source>Backup Dock Now</source>
        <translation>Jetzt Backup des Docks erstellen</translation>
    </message>
    <message>
        <source>Launch at Login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit Berthwise</source>
        <translation>Berthwise beenden</translation>
    </message>
</context>
<context>
    <name>OperationRunner</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Something went wrong.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>PresetCard</name>
    <message>
        <source>Apply Preset</source>
        <translation>Voreinstellung anwenden</translation>
    </message>
</context>
<context>
    <name>PresetsView</name>
    <message>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Apply a complete Dock configuration in one click. Your current layout is backed up automatically.</source>
        <translation>Eine vollständige Dock-Konfiguration mit einem Klick anwenden. Das aktuelle Layout wird automatisch gesichert.</translation>
    </message>
    <message>
        <source>A backup is automatically created before each preset is applied. You can restore it from Backup &amp; Restore.</source>
        <translation>Vor jeder Voreinstellung wird automatisch ein Backup erstellt. Du kannst es unter „Backup &amp; Wiederherstellung“ wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>ProfileCard</name>
    <message>
        <source>More actions for %1</source>
        <translation>Weitere Aktionen für %1</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Apply Profile</source>
        <translation>Profil anwenden</translation>
    </message>
</context>
<context>
    <name>ProfileCoder</name>
    <message>
        <source>&quot;%1&quot; is not %2 or %3</source>
        <translation>„%1“ ist nicht %2 oder %3</translation>
    </message>
    <message>
        <source>the file holds a list, not a single profile</source>
        <translation>die Datei enthält eine Liste, kein einzelnes Profil</translation>
    </message>
    <message>
        <source>the file does not hold a profile</source>
        <translation>die Datei enthält kein Profil</translation>
    </message>
</context>
<context>
    <name>ProfileListModel</name>
    <message>
        <source>Captured %1</source>
        <translation>Gesichert am %1</translation>
    </message>
</context>
<context>
    <name>ProfileService</name>
    <message>
        <source>profiles</source>
        <extracomment>Names the records in &quot;the %1 file&quot; and &quot;Couldn&apos;t save the %1: %2.&quot;.</extracomment>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Couldn&apos;t export the profile &apos;%1&apos;: %2.</source>
        <translation>Das Profil „%1“ konnte nicht exportiert werden: %2.</translation>
    </message>
    <message>
        <source>the profile</source>
        <extracomment>Fills the gap of &quot;Couldn&apos;t save %1 &apos;%2&apos;: %3&quot;.
----------
Fills the gap of &quot;Couldn&apos;t read %1 &apos;%2&apos;: %3&quot;.</extracomment>
        <translation>des Profils</translation>
    </message>
    <message>
        <source>Couldn&apos;t import a profile from &apos;%1&apos;: %2.</source>
        <translation>Aus „%1“ konnte kein Profil importiert werden: %2.</translation>
    </message>
</context>
<context>
    <name>ProfilesView</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Save and switch between complete Dock configurations.</source>
        <translation>Vollständige Dock-Konfigurationen sichern und zwischen ihnen wechseln.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Capture Current Dock</source>
        <translation>Aktuelles Dock sichern</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>No profiles yet</source>
        <translation>Noch keine Profile</translation>
    </message>
    <message>
        <source>Capture your current Dock to create your first profile.</source>
        <translation>Sichere dein aktuelles Dock, um dein erstes Profil zu erstellen.</translation>
    </message>
    <message>
        <source>Profiles capture your full Dock configuration so you can switch between setups like Coding, Design, or Presentation. Applying a profile automatically backs up your current Dock first.</source>
        <translation>Profile sichern die vollständige Dock-Konfiguration, damit du zwischen Einrichtungen wie Programmieren, Design oder Präsentation wechseln kannst. Bevor ein Profil angewendet wird, wird das aktuelle Dock automatisch gesichert.</translation>
    </message>
    <message>
        <source>Export Profile</source>
        <translation>Profil exportieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Import Profile</source>
        <translation>Profil importieren</translation>
    </message>
</context>
<context>
    <name>RenameProfileDialog</name>
    <message>
        <source>Rename Profile</source>
        <translation>Profil umbenennen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Name des Profils</translation>
    </message>
</context>
<context>
    <name>ScheduleCard</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Enable this schedule</source>
        <translation>Diesen Zeitplan aktivieren</translation>
    </message>
</context>
<context>
    <name>ScheduleCoder</name>
    <message>
        <source>&quot;%1&quot; is out of range</source>
        <translation>„%1“ liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no date to write</source>
        <translation>„%1“ enthält kein speicherbares Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of days</source>
        <translation>„%1“ ist keine Liste von Tagen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a day other than 1 (Sunday) to 7 (Saturday)</source>
        <translation>„%1“ enthält einen anderen Tag als 1 (Sonntag) bis 7 (Samstag)</translation>
    </message>
</context>
<context>
    <name>ScheduleEditSheet</name>
    <message>
        <source>New Schedule</source>
        <translation>Neuer Zeitplan</translation>
    </message>
    <message>
        <source>Edit Schedule</source>
        <translation>Zeitplan bearbeiten</translation>
    </message>
    <message>
        <source>Choose a profile, time, and days</source>
        <translation>Profil, Uhrzeit und Tage auswählen</translation>
    </message>
    <message>
        <source>Add Schedule</source>
        <translation>Zeitplan hinzufügen</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen sichern</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>No profiles available — create one in the Profiles tab first.</source>
        <translation>Keine Profile vorhanden – erstelle zuerst eines unter „Profile“.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Weekdays</source>
        <translation>Wochentags</translation>
    </message>
    <message>
        <source>Weekends</source>
        <translation>Am Wochenende</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Jeden Tag</translation>
    </message>
    <message>
        <source>Enable this schedule</source>
        <translation>Diesen Zeitplan aktivieren</translation>
    </message>
</context>
<context>
    <name>ScheduleLibrary</name>
    <message>
        <source>That schedule no longer exists.</source>
        <translation>Diesen Zeitplan gibt es nicht mehr.</translation>
    </message>
</context>
<context>
    <name>ScheduleListModel</name>
    <message>
        <source>Deleted Profile</source>
        <translation>Gelöschtes Profil</translation>
    </message>
</context>
<context>
    <name>ScheduleStore</name>
    <message>
        <source>schedules</source>
        <extracomment>Names the records in &quot;the %1 file&quot; and &quot;Couldn&apos;t save the %1: %2.&quot;.</extracomment>
        <translation>Zeitpläne</translation>
    </message>
</context>
<context>
    <name>SchedulesView</name>
    <message>
        <source>Schedules</source>
        <translation>Zeitpläne</translation>
    </message>
    <message>
        <source>Automatically switch Dock profiles at set times.</source>
        <translation>Dock-Profile zu festgelegten Zeiten automatisch wechseln.</translation>
    </message>
    <message>
        <source>Add Schedule</source>
        <translation>Zeitplan hinzufügen</translation>
    </message>
    <message>
        <source>No schedules yet</source>
        <translation>Noch keine Zeitpläne</translation>
    </message>
    <message>
        <source>Add a schedule to automatically switch your Dock profile at a set time and day.</source>
        <translation>Füge einen Zeitplan hinzu, um dein Dock-Profil an bestimmten Tagen zu einer festen Uhrzeit automatisch zu wechseln.</translation>
    </message>
    <message>
        <source>Add First Schedule</source>
        <translation>Ersten Zeitplan hinzufügen</translation>
    </message>
    <message>
        <source>Create a profile first in the Profiles tab</source>
        <translation>Erstelle zuerst ein Profil unter „Profile“</translation>
    </message>
    <message>
        <source>Berthwise checks your schedules every 30 seconds while running. Make sure the app is set to Launch at Login so schedules trigger reliably in the background.</source>
        <translation>Berthwise prüft deine Zeitpläne alle 30 Sekunden, solange es läuft. Stelle sicher, dass die App bei der Anmeldung geöffnet wird, damit Zeitpläne im Hintergrund zuverlässig ausgelöst werden.</translation>
    </message>
</context>
<context>
    <name>SheetFrame</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ShellService</name>
    <message>
        <source>Couldn&apos;t start %1: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>SpacersView</name>
    <message>
        <source>Spacers</source>
        <translation>Abstandhalter</translation>
    </message>
    <message>
        <source>Add invisible separators to visually group apps and folders in your Dock.</source>
        <translation>Unsichtbare Abstandhalter hinzufügen, um Apps und Ordner im Dock optisch zu gruppieren.</translation>
    </message>
    <message>
        <source>Add a dynamic stack to the right side of your Dock.</source>
        <translation>Einen dynamischen Stapel zur rechten Seite des Docks hinzufügen.</translation>
    </message>
    <message>
        <source>Apps Section</source>
        <translation>Bereich der Apps</translation>
    </message>
    <message>
        <source>Adds a spacer between app icons on the left side of the Dock.</source>
        <translation>Fügt einen Abstandhalter zwischen den App-Symbolen auf der linken Seite des Docks hinzu.</translation>
    </message>
    <message>
        <source>Standard Spacer</source>
        <translation>Normaler Abstandhalter</translation>
    </message>
    <message>
        <source>Full-width blank tile between app groups.</source>
        <translation>Leeres Feld in voller Breite zwischen App-Gruppen.</translation>
    </message>
    <message>
        <source>Small Spacer</source>
        <translation>Kleiner Abstandhalter</translation>
    </message>
    <message>
        <source>Half-width blank tile for subtle separation.</source>
        <translation>Leeres Feld in halber Breite für eine dezente Trennung.</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <source>Adds a spacer near Downloads, Trash, and stacks on the right side.</source>
        <translation>Fügt einen Abstandhalter bei Downloads, Papierkorb und Stapeln auf der rechten Seite hinzu.</translation>
    </message>
    <message>
        <source>Standard Right Spacer</source>
        <translation>Normaler Abstandhalter rechts</translation>
    </message>
    <message>
        <source>Full-width blank tile on the right section.</source>
        <translation>Leeres Feld in voller Breite im rechten Bereich.</translation>
    </message>
    <message>
        <source>Small Right Spacer</source>
        <translation>Kleiner Abstandhalter rechts</translation>
    </message>
    <message>
        <source>Half-width tile on the right section.</source>
        <translation>Feld in halber Breite im rechten Bereich.</translation>
    </message>
    <message>
        <source>Recent Stacks</source>
        <translation>Stapel mit Benutztem</translation>
    </message>
    <message>
        <source>Add smart stacks that show recent apps, documents, or servers.</source>
        <translation>Intelligente Stapel hinzufügen, die zuletzt benutzte Apps, Dokumente oder Server zeigen.</translation>
    </message>
    <message>
        <source>Recent Applications</source>
        <translation>Zuletzt benutzte Apps</translation>
    </message>
    <message>
        <source>Recent Documents</source>
        <translation>Zuletzt benutzte Dokumente</translation>
    </message>
    <message>
        <source>Recent Servers</source>
        <translation>Zuletzt benutzte Server</translation>
    </message>
    <message>
        <source>Spacers appear immediately. To remove a spacer, right-click it in your Dock and choose Remove from Dock.</source>
        <translation>Abstandhalter erscheinen sofort. Um einen Abstandhalter zu entfernen, klicke ihn im Dock mit der rechten Maustaste an und wähle „Aus dem Dock entfernen“.</translation>
    </message>
</context>
<context>
    <name>StatusBarView</name>
    <message>
        <source>Applying…</source>
        <translation>Wird angewendet …</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>Couldn&apos;t read %1 &apos;%2&apos;: %3</source>
        <extracomment>%1 names the file, as in &quot;the backup&quot; or &quot;the profiles file&quot;.</extracomment>
        <translation>Fehler beim Lesen %1 „%2“: %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t save %1 &apos;%2&apos;: %3</source>
        <extracomment>%1 names the file, as in &quot;the backup&quot; or &quot;the profiles file&quot;.</extracomment>
        <translation>Fehler beim Speichern %1 „%2“: %3</translation>
    </message>
    <message>
        <source>there is a folder in its place</source>
        <translation>an ihrer Stelle befindet sich ein Ordner</translation>
    </message>
    <message>
        <source>Couldn&apos;t delete %1 &apos;%2&apos;: %3</source>
        <translation>Fehler beim Löschen %1 „%2“: %3</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &apos;%1&apos;: %2</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>a copy of %1</source>
        <extracomment>The file kept aside, named by %1 as in &quot;the profiles file&quot;; fills the gap of &quot;Couldn&apos;t save %1 &apos;%2&apos;: %3&quot;.</extracomment>
        <translation>einer Kopie %1</translation>
    </message>
</context>
<context>
    <name>StrictJson</name>
    <message>
        <source>the file is not valid JSON (%1 at offset %2)</source>
        <translation>die Datei enthält kein gültiges JSON (%1 an Position %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>„%1“ fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a text</source>
        <translation>„%1“ ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not true or false</source>
        <translation>„%1“ ist weder true noch false</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>„%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an identifier like 9F1C6B2E-4D3A-4B8E-9C71-2A5F0E8D3B47</source>
        <translation>„%1“ ist keine Kennung wie 9F1C6B2E-4D3A-4B8E-9C71-2A5F0E8D3B47</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date like 2025-03-14T09:30:05Z</source>
        <translation>„%1“ ist kein Datum wie 2025-03-14T09:30:05Z</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not Base64 data</source>
        <translation>„%1“ enthält keine Base64-Daten</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no date to write</source>
        <translation>„%1“ enthält kein speicherbares Datum</translation>
    </message>
</context>
<context>
    <name>TimePicker</name>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>AM or PM</source>
        <translation>AM oder PM</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>About Berthwise</source>
        <translation>Über Berthwise</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
</context>
</TS>
