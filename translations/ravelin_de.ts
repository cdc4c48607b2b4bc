<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountFieldChecks</name>
    <message>
        <source>Account name: please enter a name for the account.</source>
        <translation>Kontoname: Bitte geben Sie einen Namen für das Konto ein.</translation>
    </message>
    <message>
        <source>An account name cannot contain &quot;]&quot; or a line break.</source>
        <translation>Ein Kontoname darf weder „]“ noch einen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a port number. Please enter a number from 1 to 65535.</source>
        <translation>%1: „%2“ ist keine Portnummer. Bitte geben Sie eine Zahl von 1 bis 65535 ein.</translation>
    </message>
    <message>
        <source>SMTP user name: please enter the user name for the SMTP login, or choose another login.</source>
        <translation>SMTP-Benutzername: Bitte geben Sie den Benutzernamen für die SMTP-Anmeldung ein oder wählen Sie eine andere Anmeldung.</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write the file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes could be written (is the disk full?)</source>
        <translation>nur %1 von %2 Bytes konnten geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>too many files are named like it</source>
        <translation>zu viele Dateien heißen so</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot flush &quot;%1&quot; to disk: %2</source>
        <translation>„%1“ kann nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>AttachmentOpening</name>
    <message>
        <source>marked as executable</source>
        <translation>als ausführbar markiert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) can run as a program, and opening it may start it. A program can do anything you can: read, change or delete your files, or send mail in your name. Open it only if you expected it from someone you trust.

Open it anyway?</source>
        <translation>„%1“ (%2) kann als Programm laufen, und das Öffnen kann es starten. Ein Programm kann alles, was Sie können: Ihre Dateien lesen, ändern oder löschen oder in Ihrem Namen Mails versenden. Öffnen Sie es nur, wenn Sie es von jemandem erwartet haben, dem Sie vertrauen.

Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Open attachment</source>
        <translation>Anhang öffnen</translation>
    </message>
</context>
<context>
    <name>CertificateTrust</name>
    <message>
        <source>Untrusted certificate</source>
        <translation>Nicht vertrauenswürdiges Zertifikat</translation>
    </message>
    <message>
        <source>Trust this certificate for this account only?</source>
        <translation>Diesem Zertifikat nur für dieses Konto vertrauen?</translation>
    </message>
</context>
<context>
    <name>DuplicateContactQuestion</name>
    <message>
        <source>no e-mail address</source>
        <translation>keine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>vCard importieren</translation>
    </message>
    <message>
        <source>The address book already has a contact named &quot;%1&quot; (%2).

The card &quot;%3&quot; (%4) from the file:</source>
        <translation>Das Adressbuch enthält bereits einen Kontakt namens „%1“ (%2).

Die Karte „%3“ (%4) aus der Datei:</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>&amp;Keep both</source>
        <translation>&amp;Beide behalten</translation>
    </message>
    <message>
        <source>&amp;Merge addresses</source>
        <translation>Adressen &amp;zusammenführen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
</context>
<context>
    <name>LinkFollowing</name>
    <message>
        <source>Suspicious link: its text names &quot;%1&quot;, but it leads to &quot;%2&quot;.

Open it anyway?</source>
        <translation>Verdächtiger Link: Sein Text nennt „%1“, er führt aber zu „%2“.

Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Suspicious link</source>
        <translation>Verdächtiger Link</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not opened: only web, mail and news addresses are.</source>
        <translation>„%1“ wurde nicht geöffnet: Nur Web-, Mail- und News-Adressen werden geöffnet.</translation>
    </message>
    <message>
        <source>The suspicious link to &quot;%1&quot; was not opened.</source>
        <translation>Der verdächtige Link zu „%1“ wurde nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>MailFolderLock</name>
    <message>
        <source>The mail folder %1 is in use by another Ravelin (process %2 on %3).</source>
        <translation>Der Mailordner %1 wird von einem anderen Ravelin benutzt (Prozess %2 auf %3).</translation>
    </message>
</context>
<context>
    <name>MailFolderMove</name>
    <message>
        <source>Ravelin - Options</source>
        <translation>Ravelin - Einstellungen</translation>
    </message>
    <message>
        <source>The mail folder changes from %1 to %2.

Move your mail, contacts and signatures to the new folder, or use the new folder as it is?</source>
        <translation>Der Mailordner wechselt von %1 zu %2.

Ihre Mails, Kontakte und Signaturen in den neuen Ordner verschieben oder den neuen Ordner so verwenden, wie er ist?</translation>
    </message>
    <message>
        <source>&amp;Move my mail there</source>
        <translation>Meine Mails dorthin &amp;verschieben</translation>
    </message>
    <message>
        <source>&amp;Use the new folder as it is</source>
        <translation>Den neuen Ordner so ver&amp;wenden, wie er ist</translation>
    </message>
    <message>
        <source>Moving your mail to %1...</source>
        <translation>Ihre Mails werden nach %1 verschoben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MailStorage</name>
    <message>
        <source>Impossible to create the following folder: 
</source>
        <translation>Der folgende Ordner kann nicht erstellt werden: 
</translation>
    </message>
</context>
<context>
    <name>MailTreeMove</name>
    <message>
        <source>%1: the folder %2 could not be created</source>
        <translation>%1: Der Ordner %2 konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>%1: %2 already exists with other content; both were kept</source>
        <translation>%1: %2 existiert bereits mit anderem Inhalt; beide wurden behalten</translation>
    </message>
    <message>
        <source>%1 could not be copied to %2: %3</source>
        <translation>%1 konnte nicht nach %2 kopiert werden: %3</translation>
    </message>
    <message>
        <source>%1 was copied to %2 but could not be removed</source>
        <translation>%1 wurde nach %2 kopiert, konnte aber nicht entfernt werden</translation>
    </message>
    <message>
        <source>The mail cannot be moved into %1, which lies inside %2.</source>
        <translation>Die Mails können nicht nach %1 verschoben werden, da dieser Ordner in %2 liegt.</translation>
    </message>
    <message>
        <source>The move was stopped: %1 of %2 files are in %3, the rest are still in %4.</source>
        <translation>Das Verschieben wurde angehalten: %1 von %2 Dateien sind in %3, der Rest ist noch in %4.</translation>
    </message>
    <message>
        <source>%1 of %2 files stayed in %3:
%4</source>
        <translation>%1 von %2 Dateien sind in %3 geblieben:
%4</translation>
    </message>
</context>
<context>
    <name>OutgoingMessage</name>
    <message>
        <source>its name holds a line break</source>
        <translation>ihr Name enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>the attachment &quot;%1&quot; cannot be read: %2</source>
        <translation>der Anhang „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ProtocolFailure</name>
    <message>
        <source>Error #%1: %2</source>
        <translation>Fehler Nr. %1: %2</translation>
    </message>
    <message>
        <source>Error# %1: %2</source>
        <translation>Fehler Nr. %1: %2</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Indexing messages for search: %1 of %2</source>
        <translation>Nachrichten werden für die Suche erfasst: %1 von %2</translation>
    </message>
    <message>
        <source>Mail folder in use</source>
        <translation>Mailordner wird benutzt</translation>
    </message>
    <message>
        <source>The running Ravelin does not answer at %1: %2</source>
        <translation>Das laufende Ravelin antwortet nicht unter %1: %2</translation>
    </message>
    <message>
        <source>The request could not be handed to the running Ravelin at %1: %2</source>
        <translation>Die Anfrage konnte nicht an das laufende Ravelin unter %1 übergeben werden: %2</translation>
    </message>
</context>
<context>
    <name>TVrxClient</name>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Keine Verbindung zu %1 möglich: %2</translation>
    </message>
    <message>
        <source>Could not connect securely to %1: %2</source>
        <translation>Keine sichere Verbindung zu %1 möglich: %2</translation>
    </message>
    <message>
        <source>Could not encrypt the connection to %1: the server sent unencrypted data after agreeing to encryption, which may have been injected; nothing further was sent</source>
        <translation>Die Verbindung zu %1 konnte nicht verschlüsselt werden: Der Server hat nach der Zusage zur Verschlüsselung unverschlüsselte Daten gesendet, die eingeschleust sein könnten; es wurde nichts weiter gesendet</translation>
    </message>
    <message>
        <source>Could not encrypt the connection to %1: %2</source>
        <translation>Die Verbindung zu %1 konnte nicht verschlüsselt werden: %2</translation>
    </message>
    <message>
        <source>the connection is closed</source>
        <translation>die Verbindung ist geschlossen</translation>
    </message>
    <message>
        <source>Could not send to %1: the connection is closed</source>
        <translation>Senden an %1 nicht möglich: Die Verbindung ist geschlossen</translation>
    </message>
    <message>
        <source>Could not send to %1: %2</source>
        <translation>Senden an %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>%1 did not reply within %2 seconds</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>%1 closed the connection before its reply was complete</source>
        <translation>%1 hat die Verbindung geschlossen, bevor die Antwort vollständig war</translation>
    </message>
    <message>
        <source>Could not read from %1: the connection is closed</source>
        <translation>Lesen von %1 nicht möglich: Die Verbindung ist geschlossen</translation>
    </message>
    <message>
        <source>%1 sent a reply line longer than %2 bytes</source>
        <translation>%1 hat eine Antwortzeile gesendet, die länger als %2 Bytes ist</translation>
    </message>
    <message>
        <source>%1 refused the session</source>
        <translation>%1 hat die Sitzung abgelehnt</translation>
    </message>
    <message>
        <source>%1 refused %2</source>
        <translation>%1 hat %2 abgelehnt</translation>
    </message>
</context>
<context>
    <name>TVrxTcpStream</name>
    <message>
        <source>the connection timed out</source>
        <translation>die Zeit für den Verbindungsaufbau ist abgelaufen</translation>
    </message>
    <message>
        <source>the connection is closed</source>
        <translation>die Verbindung ist geschlossen</translation>
    </message>
    <message>
        <source>the write timed out</source>
        <translation>die Zeit für das Schreiben ist abgelaufen</translation>
    </message>
    <message>
        <source>%1 is not an absolute path</source>
        <translation>%1 ist kein absoluter Pfad</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 may be changed by other users</source>
        <translation>%1 kann von anderen Benutzern geändert werden</translation>
    </message>
    <message>
        <source>the certificate of %1 is not trusted (%2); its SHA-256 fingerprint is %3</source>
        <translation>dem Zertifikat von %1 wird nicht vertraut (%2); sein SHA-256-Fingerabdruck ist %3</translation>
    </message>
    <message>
        <source>%1 sent unencrypted data before the TLS handshake</source>
        <translation>%1 hat vor dem TLS-Handshake unverschlüsselte Daten gesendet</translation>
    </message>
    <message>
        <source>the TLS handshake with %1 timed out</source>
        <translation>die Zeit für den TLS-Handshake mit %1 ist abgelaufen</translation>
    </message>
    <message>
        <source>the TLS handshake with %1 failed: %2</source>
        <translation>der TLS-Handshake mit %1 ist fehlgeschlagen: %2</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation>Qt %1 (erstellt mit %2)</translation>
    </message>
    <message>
        <source>Operating system: %1, kernel %2 %3, %4</source>
        <translation>Betriebssystem: %1, Kernel %2 %3, %4</translation>
    </message>
    <message>
        <source>Settings folder: %1</source>
        <translation>Einstellungsordner: %1</translation>
    </message>
    <message>
        <source>Mail folder: %1</source>
        <translation>Mailordner: %1</translation>
    </message>
    <message>
        <source>Attachments folder: %1</source>
        <translation>Anhangsordner: %1</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;System info</source>
        <translation>&amp;Systeminformationen</translation>
    </message>
    <message>
        <source>System info</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>&amp;Copy to clipboard</source>
        <translation>In die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>A desktop e-mail client for one user.</source>
        <translation>Ein E-Mail-Programm für den Desktop, für einen Benutzer.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
</context>
<context>
    <name>TfrmAccountProps</name>
    <message>
        <source>Account properties</source>
        <translation>Kontoeigenschaften</translation>
    </message>
    <message>
        <source>Personal info</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Identities</source>
        <translation>Identitäten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>Your e-mail:</source>
        <translation>Ihre E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Reply address:</source>
        <translation>Antwortadresse:</translation>
    </message>
    <message>
        <source>Organization:</source>
        <translation>Organisation:</translation>
    </message>
    <message>
        <source>Personal infomation page</source>
        <translation>Seite für persönliche Angaben</translation>
    </message>
    <message>
        <source>Use this window to fill in personal information about yourself.</source>
        <translation>In diesem Fenster tragen Sie persönliche Angaben über sich ein.</translation>
    </message>
    <message>
        <source>&amp;Incoming (POP3) server:</source>
        <translation>&amp;Posteingangsserver (POP3):</translation>
    </message>
    <message>
        <source>Outgoing (SMTP) server:</source>
        <translation>Postausgangsserver (SMTP):</translation>
    </message>
    <message>
        <source>&amp;Connect as:</source>
        <translation>&amp;Verbinden als:</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>Server settings page</source>
        <translation>Seite für Servereinstellungen</translation>
    </message>
    <message>
        <source>Using this page, fill in all the required server info.</source>
        <translation>Tragen Sie auf dieser Seite alle nötigen Serverangaben ein.</translation>
    </message>
    <message>
        <source> Server ports </source>
        <translation> Serverports </translation>
    </message>
    <message>
        <source>POP3 server port:</source>
        <translation>POP3-Serverport:</translation>
    </message>
    <message>
        <source>SMTP server port:</source>
        <translation>SMTP-Serverport:</translation>
    </message>
    <message>
        <source>&amp;Leave mail on server</source>
        <translation>Mails auf dem Server &amp;lassen</translation>
    </message>
    <message>
        <source>&amp;Remove from server after</source>
        <translation>Vom Server &amp;entfernen nach</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tagen</translation>
    </message>
    <message>
        <source>Advanced settings page</source>
        <translation>Seite für erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Here you will be able to specify advanced mail settings.</source>
        <translation>Hier legen Sie erweiterte Maileinstellungen fest.</translation>
    </message>
    <message>
        <source>Security settings page</source>
        <translation>Seite für Sicherheitseinstellungen</translation>
    </message>
    <message>
        <source>Choose how the connections to your servers are protected and how you log in.</source>
        <translation>Wählen Sie, wie die Verbindungen zu Ihren Servern geschützt werden und wie Sie sich anmelden.</translation>
    </message>
    <message>
        <source>Identities page</source>
        <translation>Seite für Identitäten</translation>
    </message>
    <message>
        <source>Other names and addresses you send from with this account; the message window lets you choose them.</source>
        <translation>Weitere Namen und Adressen, mit denen Sie über dieses Konto senden; im Nachrichtenfenster können Sie sie auswählen.</translation>
    </message>
    <message>
        <source>%1. Type the passwords again, or press Cancel to leave them as they are.</source>
        <translation>%1. Geben Sie die Passwörter erneut ein oder klicken Sie auf Abbrechen, um sie unverändert zu lassen.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation>Das Konto „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>POP3 server port</source>
        <translation>POP3-Serverport</translation>
    </message>
    <message>
        <source>SMTP server port</source>
        <translation>SMTP-Serverport</translation>
    </message>
    <message>
        <source>Sign-in</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Sign-in page</source>
        <translation>Seite für die Anmeldung</translation>
    </message>
    <message>
        <source>Providers that require it sign in with OAuth2 in your browser instead of a password.</source>
        <translation>Bei Anbietern, die es verlangen, melden Sie sich statt mit einem Passwort mit OAuth2 in Ihrem Browser an.</translation>
    </message>
</context>
<context>
    <name>TfrmAccounts</name>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Reply address</source>
        <translation>Antwortadresse</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Mail accounts window</source>
        <translation>Fenster der Mailkonten</translation>
    </message>
    <message>
        <source>This window contains your mail accounts. Use it to add, modify and delete them.</source>
        <translation>Dieses Fenster enthält Ihre Mailkonten. Hier fügen Sie sie hinzu, ändern und löschen sie.</translation>
    </message>
    <message>
        <source>&amp;Set as default account</source>
        <translation>Als &amp;Standardkonto festlegen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Are you certain you wish to permenently delete this account?</source>
        <translation>Möchten Sie dieses Konto wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be deleted.</source>
        <translation>Das Konto „%1“ konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be renamed.</source>
        <translation>Das Konto „%1“ konnte nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>An account named &quot;%1&quot; already exists. Please choose another name.</source>
        <translation>Ein Konto namens „%1“ gibt es bereits. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made the default account.</source>
        <translation>„%1“ konnte nicht zum Standardkonto gemacht werden.</translation>
    </message>
</context>
<context>
    <name>TfrmAddContact</name>
    <message>
        <source>Add new contact</source>
        <translation>Neuen Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Add new contact window</source>
        <translation>Fenster „Neuen Kontakt hinzufügen“</translation>
    </message>
    <message>
        <source>Please type the name and e-mail of the contact here below. You will be able to modify other properties later on.</source>
        <translation>Bitte geben Sie unten Namen und E-Mail-Adresse des Kontakts ein. Weitere Eigenschaften können Sie später ändern.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cannot save contact</source>
        <translation>Kontakt kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>TfrmAddReceipiantsFromAddressBook</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Add receipiants from address book</source>
        <translation>Empfänger aus dem Adressbuch hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmAddSignature</name>
    <message>
        <source>Ravelin - Add signature</source>
        <translation>Ravelin - Signatur hinzufügen</translation>
    </message>
    <message>
        <source>Create new signature</source>
        <translation>Neue Signatur erstellen</translation>
    </message>
    <message>
        <source>Please fill in the required information here below.</source>
        <translation>Bitte füllen Sie unten die nötigen Angaben aus.</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Signature&apos;s message:</source>
        <translation>&amp;Text der Signatur:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Ravelin - Signature properties</source>
        <translation>Ravelin - Signatureigenschaften</translation>
    </message>
    <message>
        <source>Signature properties</source>
        <translation>Signatureigenschaften</translation>
    </message>
</context>
<context>
    <name>TfrmAddressBook</name>
    <message>
        <source>person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>people</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source> in your address book</source>
        <translation> in Ihrem Adressbuch</translation>
    </message>
    <message>
        <source>Tolvan Ravelin - Address Book</source>
        <translation>Tolvan Ravelin - Adressbuch</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import vCard...</source>
        <translation>vCard &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export vCard...</source>
        <translation>vCard &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Contact</source>
        <translation>&amp;Kontakt</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Send E-Mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a new contact</source>
        <translation>Einen neuen Kontakt hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete contact</source>
        <translation>Kontakt löschen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Contact properties</source>
        <translation>Kontakteigenschaften</translation>
    </message>
    <message>
        <source>Send mail</source>
        <translation>Mail senden</translation>
    </message>
    <message>
        <source>Send mail to contact</source>
        <translation>Mail an den Kontakt senden</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Visit contact&apos;s Home Page</source>
        <translation>Homepage des Kontakts besuchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;New contact</source>
        <translation>&amp;Neuer Kontakt</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Mail senden</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>vCard importieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>vCard-Dateien (*.vcf *.vcard);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 contact(s) imported, %2 broken card(s) skipped.</source>
        <translation>%1 Kontakt(e) importiert, %2 fehlerhafte Karte(n) übersprungen.</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>vCard exportieren</translation>
    </message>
    <message>
        <source>%1 contact(s) exported to &quot;%2&quot;.</source>
        <translation>%1 Kontakt(e) nach „%2“ exportiert.</translation>
    </message>
</context>
<context>
    <name>TfrmContactProperties</name>
    <message>
        <source>Contact properties</source>
        <translation>Kontakteigenschaften</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Display as:</source>
        <translation>Anzeigen als:</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>Vollständiger Name:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Send mail</source>
        <translation>Mail senden</translation>
    </message>
    <message>
        <source>Secondary E-Mail:</source>
        <translation>Zweite E-Mail:</translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>Personal information page</source>
        <translation>Seite für persönliche Angaben</translation>
    </message>
    <message>
        <source>Home properties page</source>
        <translation>Seite für private Angaben</translation>
    </message>
    <message>
        <source>Use this page to fill in the contact&apos;s home address, home phone number, ...</source>
        <translation>Auf dieser Seite tragen Sie die Privatadresse, die private Telefonnummer usw. des Kontakts ein.</translation>
    </message>
    <message>
        <source>Home address:</source>
        <translation>Privatadresse:</translation>
    </message>
    <message>
        <source>State/Provice:</source>
        <translation>Bundesland/Provinz:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>Land:</translation>
    </message>
    <message>
        <source>Phone #:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Fax #:</source>
        <translation>Fax:</translation>
    </message>
    <message>
        <source>Work properties page</source>
        <translation>Seite für geschäftliche Angaben</translation>
    </message>
    <message>
        <source>Enter here the contact&apos;s company, position, buisness web site, ... .</source>
        <translation>Tragen Sie hier Firma, Position, geschäftliche Website usw. des Kontakts ein.</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>State and country:</source>
        <translation>Bundesland und Land:</translation>
    </message>
    <message>
        <source>Cannot save contact</source>
        <translation>Kontakt kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>TfrmCreateFolder</name>
    <message>
        <source>Create new folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Please write the name of the folder in the textbox here below.</source>
        <translation>Bitte schreiben Sie den Namen des Ordners in das Textfeld unten.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmCreateNewAccount</name>
    <message>
        <source>Create new account</source>
        <translation>Neues Konto erstellen</translation>
    </message>
    <message>
        <source>Personal info</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Server settings</source>
        <translation>Servereinstellungen</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Make this my default account</source>
        <translation>Dies zu meinem Standardkonto machen</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>Please enter the required information here below to create a new mail account</source>
        <translation>Bitte geben Sie unten die nötigen Angaben ein, um ein neues Mailkonto zu erstellen</translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation>Kontoname:</translation>
    </message>
    <message>
        <source>My mail account</source>
        <translation>Mein Mailkonto</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your e-mail:</source>
        <translation>Ihre E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>you@example.com</source>
        <translation>sie@example.com</translation>
    </message>
    <message>
        <source>User ID:</source>
        <translation>Benutzerkennung:</translation>
    </message>
    <message>
        <source>your_user_id</source>
        <translation>ihre_benutzerkennung</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>POP3 mail server:</source>
        <translation>POP3-Mailserver:</translation>
    </message>
    <message>
        <source>Port: (110 usually)</source>
        <translation>Port: (meist 110)</translation>
    </message>
    <message>
        <source>SMTP mail server:</source>
        <translation>SMTP-Mailserver:</translation>
    </message>
    <message>
        <source>Port: (25 usually)</source>
        <translation>Port: (meist 25)</translation>
    </message>
    <message>
        <source>Tip: better leave the &quot;ports&quot; parts to their default values since this is what is almost always used by all ISPs.</source>
        <translation>Tipp: Lassen Sie die Ports besser auf ihren Standardwerten, denn diese verwenden fast alle Anbieter.</translation>
    </message>
    <message>
        <source>POP3 port</source>
        <translation>POP3-Port</translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation>SMTP-Port</translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation>Das Konto konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>An account named &quot;%1&quot; already exists. Do you wish to replace its settings?</source>
        <translation>Ein Konto namens „%1“ gibt es bereits. Möchten Sie seine Einstellungen ersetzen?</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation>Das Konto „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; was saved, but could not be made the default account.</source>
        <translation>Das Konto „%1“ wurde gespeichert, konnte aber nicht zum Standardkonto gemacht werden.</translation>
    </message>
</context>
<context>
    <name>TfrmDefClient</name>
    <message>
        <source>Ravelin</source>
        <translation>Ravelin</translation>
    </message>
    <message>
        <source>Ravelin is currently not your default Mail Client. Would you like to register it as the default one?</source>
        <translation>Ravelin ist zurzeit nicht Ihr Standard-Mailprogramm. Möchten Sie es als Standard eintragen?</translation>
    </message>
    <message>
        <source>&amp;Dont ask me this again</source>
        <translation>&amp;Nicht mehr fragen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>TfrmEmptyTrash</name>
    <message>
        <source>Ravelin - Empty trash folder</source>
        <translation>Ravelin - Papierkorb leeren</translation>
    </message>
    <message>
        <source>Empty Trash folder</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>Are you sure you want to empty the trash folder, deleting all messages in it?</source>
        <translation>Möchten Sie den Papierkorb wirklich leeren und alle Nachrichten darin löschen?</translation>
    </message>
    <message>
        <source>Don&apos;t ask me this again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>TfrmFirstRunPrompt</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>First run wizard</source>
        <translation>Assistent für den ersten Start</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Welcome!&lt;/h2&gt;</source>
        <translation>&lt;h2&gt;Willkommen!&lt;/h2&gt;</translation>
    </message>
    <message>
        <source>Since this is the first time this program is being ran on your computer, you&apos;ll need to fill some information in order to get started.</source>
        <translation>Da dieses Programm zum ersten Mal auf Ihrem Computer läuft, brauchen Sie einige Angaben, um loszulegen.</translation>
    </message>
    <message>
        <source>Data storage folder</source>
        <translation>Ordner für die Daten</translation>
    </message>
    <message>
        <source>This is the name of the folder where Ravelin 2.0 will store things such as e-mail, contacts, ... .</source>
        <translation>Das ist der Name des Ordners, in dem Ravelin 2.0 Dinge wie E-Mails, Kontakte usw. speichert.</translation>
    </message>
    <message>
        <source>You will next be asked for your mail settings.</source>
        <translation>Als Nächstes werden Sie nach Ihren Maileinstellungen gefragt.</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
    <message>
        <source>Cannot save settings</source>
        <translation>Einstellungen können nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>TfrmGetMail</name>
    <message>
        <source>Receiving mail...</source>
        <translation>Mails werden empfangen...</translation>
    </message>
    <message>
        <source>Checking for new mail...</source>
        <translation>Neue Mails werden abgerufen...</translation>
    </message>
    <message>
        <source>Attempting to connect...</source>
        <translation>Verbindung wird aufgebaut...</translation>
    </message>
    <message>
        <source>Checking for mail...</source>
        <translation>Mails werden abgerufen...</translation>
    </message>
    <message numerus="yes">
        <source>%n new message(s)</source>
        <translation>
            <numerusform>%n neue Nachricht</numerusform>
            <numerusform>%n neue Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <source>no account present.</source>
        <translation>kein Konto vorhanden.</translation>
    </message>
</context>
<context>
    <name>TfrmInsertSignature</name>
    <message>
        <source>Insert signature</source>
        <translation>Signatur einfügen</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vorschau:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message numerus="yes">
        <source>The rules moved %n message(s).</source>
        <translation>
            <numerusform>Die Regeln haben %n Nachricht verschoben.</numerusform>
            <numerusform>Die Regeln haben %n Nachrichten verschoben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The junk filter learned %n message(s) of &quot;%1&quot; as junk.</source>
        <translation>
            <numerusform>Der Junk-Filter hat %n Nachricht aus „%1“ als Junk gelernt.</numerusform>
            <numerusform>Der Junk-Filter hat %n Nachrichten aus „%1“ als Junk gelernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The junk filter learned %n message(s) of &quot;%1&quot; as not junk.</source>
        <translation>
            <numerusform>Der Junk-Filter hat %n Nachricht aus „%1“ als kein Junk gelernt.</numerusform>
            <numerusform>Der Junk-Filter hat %n Nachrichten aus „%1“ als kein Junk gelernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The junk filter is learning from &quot;%1&quot;...</source>
        <translation>Der Junk-Filter lernt aus „%1“...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Neue Nachricht</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Reply to author</source>
        <translation>Dem Absender antworten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete message</source>
        <translation>Nachricht löschen</translation>
    </message>
    <message>
        <source>Junk</source>
        <translation>Junk</translation>
    </message>
    <message>
        <source>Mark as junk</source>
        <translation>Als Junk markieren</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Abrufen</translation>
    </message>
    <message>
        <source>Check for mail</source>
        <translation>Mails abrufen</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Account management</source>
        <translation>Kontenverwaltung</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adressen</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Window list</source>
        <translation>Fensterliste</translation>
    </message>
    <message>
        <source>Empty Trash</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>&amp;New folder</source>
        <translation>&amp;Neuer Ordner</translation>
    </message>
    <message>
        <source>&amp;Rename folder</source>
        <translation>Ordner &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Delete folder</source>
        <translation>Ordner &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Empty</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>&amp;Save search...</source>
        <translation>Suche &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy message to...</source>
        <translation>Nachricht &amp;kopieren nach...</translation>
    </message>
    <message>
        <source>&amp;Move message to...</source>
        <translation>Nachricht &amp;verschieben nach...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Contact Pane</source>
        <translation>&amp;Kontaktleiste</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Prefer plain text</source>
        <translation>Reinen Text bevorzugen</translation>
    </message>
    <message>
        <source>Sort by s&amp;ubject</source>
        <translation>Nach &amp;Betreff sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;name</source>
        <translation>Nach &amp;Namen sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;attachment</source>
        <translation>Nach &amp;Anhang sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;date</source>
        <translation>Nach &amp;Datum sortieren</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Unterhaltungen</translation>
    </message>
    <message>
        <source>&amp;Reply to author</source>
        <translation>Dem Absender &amp;antworten</translation>
    </message>
    <message>
        <source>&amp;Reply quoted</source>
        <translation>Mit &amp;Zitat antworten</translation>
    </message>
    <message>
        <source>Reply &amp;all</source>
        <translation>Allen a&amp;ntworten</translation>
    </message>
    <message>
        <source>Reply to the author and every recipient</source>
        <translation>Dem Absender und allen Empfängern antworten</translation>
    </message>
    <message>
        <source>&amp;Forward message</source>
        <translation>Nachricht &amp;weiterleiten</translation>
    </message>
    <message>
        <source>&amp;Forward as attachment</source>
        <translation>Als Anhang wei&amp;terleiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Add sender to address book</source>
        <translation>Absender zum Adressbuch &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Send unsent messages</source>
        <translation>Ungesendete Nachrichten senden</translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation>Neue Mails abrufen</translation>
    </message>
    <message>
        <source>&amp;Check for new mail using...</source>
        <translation>Neue Mails abrufen &amp;über...</translation>
    </message>
    <message>
        <source>Message rules...</source>
        <translation>Nachrichtenregeln...</translation>
    </message>
    <message>
        <source>Run rules on this folder</source>
        <translation>Regeln auf diesen Ordner anwenden</translation>
    </message>
    <message>
        <source>&amp;Manage signatures</source>
        <translation>Signaturen &amp;verwalten</translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation>Konten...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>&amp;Send now</source>
        <translation>&amp;Jetzt senden</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Weiterleiten</translation>
    </message>
    <message>
        <source>&amp;Mark as read</source>
        <translation>Als &amp;gelesen markieren</translation>
    </message>
    <message>
        <source>&amp;Mark as unread</source>
        <translation>Als &amp;ungelesen markieren</translation>
    </message>
    <message>
        <source>Not junk</source>
        <translation>Kein Junk</translation>
    </message>
    <message>
        <source>Run rules on these messages</source>
        <translation>Regeln auf diese Nachrichten anwenden</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Copy to clipboard</source>
        <translation>In die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Launch as hyperlink</source>
        <translation>Als &amp;Link öffnen</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>View s&amp;ource</source>
        <translation>&amp;Quelltext anzeigen</translation>
    </message>
    <message>
        <source>Save as .&amp;eml...</source>
        <translation>Als .&amp;eml speichern...</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Learn from this folder as junk</source>
        <translation>Aus diesem Ordner als Junk lernen</translation>
    </message>
    <message>
        <source>Learn from this folder as not junk</source>
        <translation>Aus diesem Ordner als kein Junk lernen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Open attachments folder</source>
        <translation>Anhangsordner öffnen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;New message</source>
        <translation>&amp;Neue Nachricht</translation>
    </message>
    <message>
        <source>&amp;Address book</source>
        <translation>A&amp;dressbuch</translation>
    </message>
    <message>
        <source>&amp;Check for new messages</source>
        <translation>Neue Nachrichten a&amp;brufen</translation>
    </message>
    <message>
        <source>&amp;Send unsent mail</source>
        <translation>&amp;Ungesendete Mails senden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Date&amp;Time</source>
        <translation>Datum&amp;Uhrzeit</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>An:</translation>
    </message>
    <message>
        <source>CC:</source>
        <translation>CC:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Hauptleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The window settings could not be saved.

</source>
        <translation>Die Fenstereinstellungen konnten nicht gespeichert werden.

</translation>
    </message>
    <message numerus="yes">
        <source>%n new message(s)</source>
        <translation>
            <numerusform>%n neue Nachricht</numerusform>
            <numerusform>%n neue Nachrichten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n message(s)</source>
        <translation>
            <numerusform>%n Nachricht</numerusform>
            <numerusform>%n Nachrichten</numerusform>
        </translation>
    </message>
    <message>
        <source>Threads across folders</source>
        <translation>Unterhaltungen über alle Ordner</translation>
    </message>
</context>
<context>
    <name>TfrmMessageProps</name>
    <message>
        <source>Cannot open the message</source>
        <translation>Die Nachricht kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rich text (HTML)</source>
        <translation>Formatierter Text (HTML)</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Reiner Text</translation>
    </message>
    <message>
        <source>E-Mail properties</source>
        <translation>E-Mail-Eigenschaften</translation>
    </message>
    <message>
        <source>Message properties</source>
        <translation>Nachrichteneigenschaften</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Headers</source>
        <translation>Kopfzeilen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>Betreff:</translation>
    </message>
    <message>
        <source>Received on account:</source>
        <translation>Empfangen über Konto:</translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation>Priorität:</translation>
    </message>
    <message>
        <source>Date&amp;&amp;Time:</source>
        <translation>Datum&amp;&amp;Uhrzeit:</translation>
    </message>
    <message>
        <source>Content type:</source>
        <translation>Inhaltstyp:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Anhänge:</translation>
    </message>
</context>
<context>
    <name>TfrmNewMessage</name>
    <message>
        <source>Cannot open the message</source>
        <translation>Die Nachricht kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>New message</source>
        <translation>Neue Nachricht</translation>
    </message>
    <message>
        <source>&amp;Send now</source>
        <translation>&amp;Jetzt senden</translation>
    </message>
    <message>
        <source>&amp;Send later</source>
        <translation>Spä&amp;ter senden</translation>
    </message>
    <message>
        <source>&amp;Finish later</source>
        <translation>Später &amp;fertigstellen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;File attachment</source>
        <translation>Datei &amp;anhängen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Date&amp;&amp;Time</source>
        <translation>Datum&amp;&amp;Uhrzeit</translation>
    </message>
    <message>
        <source>&amp;Signature...</source>
        <translation>&amp;Signatur...</translation>
    </message>
    <message>
        <source>&amp;Address book</source>
        <translation>A&amp;dressbuch</translation>
    </message>
    <message>
        <source>&amp;Manage signatures</source>
        <translation>Signaturen &amp;verwalten</translation>
    </message>
    <message>
        <source>&amp;Encode ROT13</source>
        <translation>&amp;Mit ROT13 verschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Decode ROT13</source>
        <translation>ROT13 &amp;entschlüsseln</translation>
    </message>
    <message>
        <source>&amp;Low</source>
        <translation>&amp;Niedrig</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>N&amp;ormal</translation>
    </message>
    <message>
        <source>&amp;High</source>
        <translation>&amp;Hoch</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>This message has not been saved. Keep it in the Unfinished folder?</source>
        <translation>Diese Nachricht wurde nicht gespeichert. Im Ordner „Unfinished“ aufbewahren?</translation>
    </message>
    <message>
        <source>%1 messages have not been saved. Keep them in the Unfinished folder?</source>
        <translation>%1 Nachrichten wurden nicht gespeichert. Im Ordner „Unfinished“ aufbewahren?</translation>
    </message>
    <message>
        <source>Unsaved message</source>
        <translation>Nicht gespeicherte Nachricht</translation>
    </message>
    <message>
        <source>The message could not be kept in Unfinished: %1</source>
        <translation>Die Nachricht konnte nicht in „Unfinished“ aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>Blind copies: these addresses get the message, and no one sees them</source>
        <translation>Blindkopien: Diese Adressen erhalten die Nachricht, und niemand sieht sie</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;An:</translation>
    </message>
    <message>
        <source>&amp;cc:</source>
        <translation>&amp;Cc:</translation>
    </message>
    <message>
        <source>&amp;Bcc:</source>
        <translation>&amp;Bcc:</translation>
    </message>
    <message>
        <source>&amp;Subject: </source>
        <translation>&amp;Betreff: </translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Cannot save the message</source>
        <translation>Die Nachricht kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Missing field</source>
        <translation>Fehlendes Feld</translation>
    </message>
    <message>
        <source>The are no receipiants of this message. Send is not possible.</source>
        <translation>Diese Nachricht hat keine Empfänger. Senden ist nicht möglich.</translation>
    </message>
    <message>
        <source>No account set</source>
        <translation>Kein Konto eingerichtet</translation>
    </message>
    <message>
        <source>There is not account set up on this computer. Your message has been saved in the &quot;unsent&quot; folder. You can send it once a mail account is created.</source>
        <translation>Auf diesem Computer ist kein Konto eingerichtet. Ihre Nachricht wurde im Ordner „unsent“ gespeichert. Sie können sie senden, sobald ein Mailkonto erstellt ist.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Ravelin e-mails (*.qrz)</source>
        <translation>Ravelin-E-Mails (*.qrz)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Insert attachment...</source>
        <translation>Anhang einfügen...</translation>
    </message>
    <message>
        <source>No signatures avaliable</source>
        <translation>Keine Signaturen vorhanden</translation>
    </message>
    <message>
        <source>Manage signatures...</source>
        <translation>Signaturen verwalten...</translation>
    </message>
    <message>
        <source>&amp;Set priority</source>
        <translation>&amp;Priorität festlegen</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Jetzt senden</translation>
    </message>
    <message>
        <source>Attach a file</source>
        <translation>Eine Datei anhängen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signatur</translation>
    </message>
    <message>
        <source>Add a signature</source>
        <translation>Eine Signatur hinzufügen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TfrmNewMsg_SelectAccount</name>
    <message>
        <source>Choose account</source>
        <translation>Konto wählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Please choose the account which you&apos;ll use to check for new messages from the list here below:</source>
        <translation>Bitte wählen Sie aus der Liste unten das Konto, über das neue Nachrichten abgerufen werden sollen:</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Ravelin - Options</source>
        <translation>Ravelin - Einstellungen</translation>
    </message>
    <message>
        <source>Mail is being sent or received. Please move the mail folder once that has ended.</source>
        <translation>Es werden gerade Mails gesendet oder empfangen. Bitte verschieben Sie den Mailordner, wenn das beendet ist.</translation>
    </message>
    <message>
        <source>Ravelin Options</source>
        <translation>Ravelin-Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Prompt me on emptying the trash</source>
        <translation>Vor dem Leeren des Papierkorbs nachfragen</translation>
    </message>
    <message>
        <source>Check for new mail every</source>
        <translation>Neue Mails abrufen alle</translation>
    </message>
    <message>
        <source>minutes.</source>
        <translation>Minuten.</translation>
    </message>
    <message>
        <source>Check that Ravelin is the default mail client</source>
        <translation>Prüfen, ob Ravelin das Standard-Mailprogramm ist</translation>
    </message>
    <message>
        <source>Mail should always be sent immedeatly</source>
        <translation>Mails immer sofort senden</translation>
    </message>
    <message>
        <source>Send unsent messages after fetching mail</source>
        <translation>Ungesendete Nachrichten nach dem Abrufen senden</translation>
    </message>
    <message>
        <source>Include original message in replies and forwards</source>
        <translation>Ursprüngliche Nachricht in Antworten und Weiterleitungen einfügen</translation>
    </message>
    <message>
        <source>Auto-insert default signature to messages</source>
        <translation>Standardsignatur automatisch in Nachrichten einfügen</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>nach</translation>
    </message>
    <message>
        <source>Include signature</source>
        <translation>Signatur einfügen</translation>
    </message>
    <message>
        <source>quoted message</source>
        <translation>der zitierten Nachricht</translation>
    </message>
    <message>
        <source>Character for quoting message:</source>
        <translation>Zeichen zum Zitieren:</translation>
    </message>
    <message>
        <source>Default subject:</source>
        <translation>Standardbetreff:</translation>
    </message>
    <message>
        <source>Use the following font to display e-mails:</source>
        <translation>Diese Schrift zum Anzeigen von E-Mails verwenden:</translation>
    </message>
    <message>
        <source>... and in the message composition window:</source>
        <translation>... und im Fenster zum Verfassen von Nachrichten:</translation>
    </message>
    <message>
        <source>New mail sound:</source>
        <translation>Klang bei neuer Mail:</translation>
    </message>
    <message>
        <source>Error sound:</source>
        <translation>Klang bei Fehlern:</translation>
    </message>
    <message>
        <source>Store all my e-mails, contacts and signatures in the following folder:</source>
        <translation>Alle meine E-Mails, Kontakte und Signaturen in diesem Ordner speichern:</translation>
    </message>
    <message>
        <source>Store attachments from incoming messages in this folder:</source>
        <translation>Anhänge eingehender Nachrichten in diesem Ordner speichern:</translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation>Wave-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Please choose folder:</source>
        <translation>Bitte wählen Sie einen Ordner:</translation>
    </message>
    <message>
        <source>Senders allowed to load remote content...</source>
        <translation>Absender, deren externe Inhalte geladen werden dürfen...</translation>
    </message>
</context>
<context>
    <name>TfrmReadMessage</name>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
</context>
<context>
    <name>TfrmRemoteSenders</name>
    <message>
        <source>Allowed senders</source>
        <translation>Zugelassene Absender</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Remote content in mail from these senders is loaded without asking.</source>
        <translation>Externe Inhalte in Mails dieser Absender werden ohne Nachfrage geladen.</translation>
    </message>
</context>
<context>
    <name>TfrmRuleEditor</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>An</translation>
    </message>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>To or CC</source>
        <translation>An oder CC</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Header named</source>
        <translation>Kopfzeile namens</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Size (KB)</source>
        <translation>Größe (KB)</translation>
    </message>
    <message>
        <source>Has attachments</source>
        <translation>Hat Anhänge</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>contains</source>
        <translation>enthält</translation>
    </message>
    <message>
        <source>does not contain</source>
        <translation>enthält nicht</translation>
    </message>
    <message>
        <source>is</source>
        <translation>ist</translation>
    </message>
    <message>
        <source>begins with</source>
        <translation>beginnt mit</translation>
    </message>
    <message>
        <source>matches the regular expression</source>
        <translation>passt zum regulären Ausdruck</translation>
    </message>
    <message>
        <source>is larger than</source>
        <translation>ist größer als</translation>
    </message>
    <message>
        <source>is smaller than</source>
        <translation>ist kleiner als</translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation>In Ordner verschieben</translation>
    </message>
    <message>
        <source>Copy to folder</source>
        <translation>In Ordner kopieren</translation>
    </message>
    <message>
        <source>Mark read</source>
        <translation>Als gelesen markieren</translation>
    </message>
    <message>
        <source>Set priority</source>
        <translation>Priorität festlegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchste</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigste</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Header name</source>
        <translation>Name der Kopfzeile</translation>
    </message>
    <message>
        <source>Ravelin - Message rule</source>
        <translation>Ravelin - Nachrichtenregel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>all of these conditions</source>
        <translation>alle diese Bedingungen</translation>
    </message>
    <message>
        <source>any of these conditions</source>
        <translation>eine dieser Bedingungen</translation>
    </message>
    <message>
        <source>Act on a message that meets</source>
        <translation>Auf eine Nachricht anwenden, die erfüllt:</translation>
    </message>
    <message>
        <source>Add &amp;condition</source>
        <translation>&amp;Bedingung hinzufügen</translation>
    </message>
    <message>
        <source>Add &amp;action</source>
        <translation>&amp;Aktion hinzufügen</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>&amp;Stop processing further rules</source>
        <translation>Weitere Regeln nicht mehr an&amp;wenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>TfrmRules</name>
    <message>
        <source>Ravelin - Message rules</source>
        <translation>Ravelin - Nachrichtenregeln</translation>
    </message>
    <message>
        <source>Message rules</source>
        <translation>Nachrichtenregeln</translation>
    </message>
    <message>
        <source>The rules run from the top down on every message that arrives. Only the rules that are ticked run.</source>
        <translation>Die Regeln laufen von oben nach unten über jede eintreffende Nachricht. Nur angekreuzte Regeln werden angewendet.</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Nothing can be changed here while that is so: a save would write the rule back without what could not be read.</source>
        <translation>Solange das so ist, lässt sich hier nichts ändern: Beim Speichern würde die Regel ohne das zurückgeschrieben, was nicht gelesen werden konnte.</translation>
    </message>
    <message>
        <source>Delete the rule &quot;%1&quot;?</source>
        <translation>Die Regel „%1“ löschen?</translation>
    </message>
</context>
<context>
    <name>TfrmSelectFolder</name>
    <message>
        <source>Copy message</source>
        <translation>Nachricht kopieren</translation>
    </message>
    <message>
        <source>Move message</source>
        <translation>Nachricht verschieben</translation>
    </message>
    <message>
        <source>Copy the selected message to:</source>
        <translation>Die ausgewählte Nachricht kopieren nach:</translation>
    </message>
    <message>
        <source>Move the selected message to:</source>
        <translation>Die ausgewählte Nachricht verschieben nach:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmSendMail</name>
    <message>
        <source>Ravelin - Sending mail...</source>
        <translation>Ravelin - Mails werden gesendet...</translation>
    </message>
    <message>
        <source>Sending mail...</source>
        <translation>Mails werden gesendet...</translation>
    </message>
    <message>
        <source>Please wait while Ravelin is sending your e-mail to it&apos;s receipiants.</source>
        <translation>Bitte warten Sie, während Ravelin Ihre E-Mail an die Empfänger sendet.</translation>
    </message>
    <message>
        <source>No account in use</source>
        <translation>Kein Konto in Gebrauch</translation>
    </message>
    <message>
        <source>Sending message #</source>
        <translation>Sende Nachricht Nr. </translation>
    </message>
    <message>
        <source> out of a total of </source>
        <translation> von insgesamt </translation>
    </message>
    <message>
        <source>No operation in progress</source>
        <translation>Kein Vorgang läuft</translation>
    </message>
</context>
<context>
    <name>TfrmSignatures</name>
    <message>
        <source>Ravelin - Signatures</source>
        <translation>Ravelin - Signaturen</translation>
    </message>
    <message>
        <source>Signatures window</source>
        <translation>Fenster der Signaturen</translation>
    </message>
    <message>
        <source>This window contains your signatures.</source>
        <translation>Dieses Fenster enthält Ihre Signaturen.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Deletion confirmation</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to permenenantly delete this signature?</source>
        <translation>Möchten Sie diese Signatur wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
</context>
<context>
    <name>TfrmViewSource</name>
    <message>
        <source>Save as .eml</source>
        <translation>Als .eml speichern</translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation>E-Mail-Nachrichten (*.eml)</translation>
    </message>
    <message>
        <source>Cannot save the message as &quot;%1&quot;: %2</source>
        <translation>Die Nachricht kann nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Source of &quot;%1&quot;</source>
        <translation>Quelltext von „%1“</translation>
    </message>
    <message>
        <source>Save as .&amp;eml...</source>
        <translation>Als .&amp;eml speichern...</translation>
    </message>
</context>
<context>
    <name>cAccountFinder</name>
    <message>
        <source>The search for the settings of %1 was stopped.</source>
        <translation>Die Suche nach den Einstellungen für %1 wurde angehalten.</translation>
    </message>
    <message>
        <source>No working settings were found for %1.</source>
        <translation>Für %1 wurden keine funktionierenden Einstellungen gefunden.</translation>
    </message>
    <message>
        <source>Found settings in %1.</source>
        <translation>Einstellungen in %1 gefunden.</translation>
    </message>
    <message>
        <source>Looking for %1 in the provider table.</source>
        <translation>Suche %1 in der Anbietertabelle.</translation>
    </message>
    <message>
        <source>the provider table</source>
        <translation>der Anbietertabelle</translation>
    </message>
    <message>
        <source>%1 (for %2)</source>
        <translation>%1 (für %2)</translation>
    </message>
    <message>
        <source>Asking %1.</source>
        <translation>Frage %1.</translation>
    </message>
    <message>
        <source>Asking DNS for the mail exchanger of %1.</source>
        <translation>Frage das DNS nach dem Mail-Exchanger von %1.</translation>
    </message>
    <message>
        <source>%1 names no mail exchanger.</source>
        <translation>%1 nennt keinen Mail-Exchanger.</translation>
    </message>
    <message>
        <source>Mail for %1 goes to %2.</source>
        <translation>Mails für %1 gehen an %2.</translation>
    </message>
    <message>
        <source>Asking DNS for %1.</source>
        <translation>Frage das DNS nach %1.</translation>
    </message>
    <message>
        <source>the DNS SRV records of %1</source>
        <translation>den DNS-SRV-Einträgen von %1</translation>
    </message>
    <message>
        <source>Trying %1 for %2.</source>
        <translation>Versuche %1 für %2.</translation>
    </message>
    <message>
        <source>the usual server names of %1</source>
        <translation>den üblichen Servernamen von %1</translation>
    </message>
    <message>
        <source>%1 names no usable POP3 and SMTP servers.</source>
        <translation>%1 nennt keine brauchbaren POP3- und SMTP-Server.</translation>
    </message>
</context>
<context>
    <name>cAccountSecurityPage</name>
    <message>
        <source>&amp;Allow sending the password without encryption</source>
        <translation>Senden des Passworts ohne Verschlüsselung &amp;erlauben</translation>
    </message>
    <message>
        <source>&amp;Keep passwords in the desktop keyring</source>
        <translation>Passwörter im &amp;Schlüsselbund der Arbeitsumgebung aufbewahren</translation>
    </message>
    <message>
        <source>&amp;Forget trusted certificates</source>
        <translation>Vertraute Zertifikate &amp;vergessen</translation>
    </message>
    <message>
        <source>Incoming mail (POP3)</source>
        <translation>Posteingang (POP3)</translation>
    </message>
    <message>
        <source>POP3 s&amp;ecurity:</source>
        <translation>POP3-&amp;Sicherheit:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>STLS</source>
        <translation>STLS</translation>
    </message>
    <message>
        <source>TLS on connect</source>
        <translation>TLS beim Verbinden</translation>
    </message>
    <message>
        <source>&amp;Detect</source>
        <translation>&amp;Erkennen</translation>
    </message>
    <message>
        <source>USER and PASS</source>
        <translation>USER und PASS</translation>
    </message>
    <message>
        <source>APOP</source>
        <translation>APOP</translation>
    </message>
    <message>
        <source>SASL (AUTH), when offered</source>
        <translation>SASL (AUTH), wenn angeboten</translation>
    </message>
    <message>
        <source>POP3 lo&amp;gin:</source>
        <translation>POP3-&amp;Anmeldung:</translation>
    </message>
    <message>
        <source>Outgoing mail (SMTP)</source>
        <translation>Postausgang (SMTP)</translation>
    </message>
    <message>
        <source>SMTP securit&amp;y:</source>
        <translation>SMTP-Si&amp;cherheit:</translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation>STARTTLS</translation>
    </message>
    <message>
        <source>De&amp;tect</source>
        <translation>Er&amp;kennen</translation>
    </message>
    <message>
        <source>Same as POP3</source>
        <translation>Wie bei POP3</translation>
    </message>
    <message>
        <source>Own user name and password</source>
        <translation>Eigener Benutzername und eigenes Passwort</translation>
    </message>
    <message>
        <source>S&amp;MTP login:</source>
        <translation>S&amp;MTP-Anmeldung:</translation>
    </message>
    <message>
        <source>SMTP &amp;user name:</source>
        <translation>SMTP-&amp;Benutzername:</translation>
    </message>
    <message>
        <source>SMTP pass&amp;word:</source>
        <translation>SMTP-Pass&amp;wort:</translation>
    </message>
    <message>
        <source>POP3 server: please enter the name of the server to detect its settings.</source>
        <translation>POP3-Server: Bitte geben Sie den Namen des Servers ein, um seine Einstellungen zu erkennen.</translation>
    </message>
    <message>
        <source>SMTP server: please enter the name of the server to detect its settings.</source>
        <translation>SMTP-Server: Bitte geben Sie den Namen des Servers ein, um seine Einstellungen zu erkennen.</translation>
    </message>
    <message>
        <source>The server settings could not be detected.</source>
        <translation>Die Servereinstellungen konnten nicht erkannt werden.</translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation>Wird erkannt...</translation>
    </message>
    <message>
        <source>Found: port %1 with security &quot;%2&quot;.</source>
        <translation>Gefunden: Port %1 mit Sicherheit „%2“.</translation>
    </message>
    <message>
        <source>No way to reach %1 was found; the settings are unchanged.</source>
        <translation>Es wurde kein Weg gefunden, %1 zu erreichen; die Einstellungen bleiben unverändert.</translation>
    </message>
    <message>
        <source>Certificates trusted for this account: %1</source>
        <translation>Für dieses Konto vertraute Zertifikate: %1</translation>
    </message>
</context>
<context>
    <name>cAccountStore</name>
    <message>
        <source>The password of account %1 could not be read from the desktop keyring: %2</source>
        <translation>Das Passwort des Kontos %1 konnte nicht aus dem Schlüsselbund der Arbeitsumgebung gelesen werden: %2</translation>
    </message>
    <message>
        <source>The passwords of account %1 could not be stored in the desktop keyring: %2</source>
        <translation>Die Passwörter des Kontos %1 konnten nicht im Schlüsselbund der Arbeitsumgebung gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1, but its passwords could not be removed from the desktop keyring: %2</source>
        <translation>%1, aber seine Passwörter konnten nicht aus dem Schlüsselbund der Arbeitsumgebung entfernt werden: %2</translation>
    </message>
    <message>
        <source>Account %1 was saved with its passwords</source>
        <translation>Das Konto %1 wurde mit seinen Passwörtern gespeichert</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; no longer exists; the certificate was not trusted.</source>
        <translation>Das Konto „%1“ existiert nicht mehr; dem Zertifikat wurde nicht vertraut.</translation>
    </message>
    <message>
        <source>Account %1 was deleted</source>
        <translation>Das Konto %1 wurde gelöscht</translation>
    </message>
    <message>
        <source>Account %1 was not renamed: its passwords could not be moved in the desktop keyring: %2</source>
        <translation>Das Konto %1 wurde nicht umbenannt: Seine Passwörter konnten im Schlüsselbund der Arbeitsumgebung nicht verschoben werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SHA-256 fingerprint; the certificate was not trusted.</source>
        <translation>„%1“ ist kein SHA-256-Fingerabdruck; dem Zertifikat wurde nicht vertraut.</translation>
    </message>
    <message>
        <source>There is no account &quot;%1&quot;.</source>
        <translation>Es gibt kein Konto „%1“.</translation>
    </message>
    <message>
        <source>The sign-in of account %1 could not be stored in the desktop keyring: %2</source>
        <translation>Die Anmeldung des Kontos %1 konnte nicht im Schlüsselbund der Arbeitsumgebung gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>cAttachmentList</name>
    <message>
        <source>Save attachment as</source>
        <translation>Anhang speichern unter</translation>
    </message>
    <message>
        <source>Cannot save the attachment</source>
        <translation>Der Anhang kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>cAutoAccount</name>
    <message>
        <source>A password is needed to check the settings found.</source>
        <translation>Um die gefundenen Einstellungen zu prüfen, wird ein Passwort gebraucht.</translation>
    </message>
    <message>
        <source>%1 signs in with OAuth2 instead of a password: enter the client id you registered with the provider on the Sign-in page of the account&apos;s properties, then sign in.</source>
        <translation>%1 meldet sich statt mit einem Passwort mit OAuth2 an: Tragen Sie auf der Seite Anmeldung in den Kontoeigenschaften die Client-ID ein, die Sie beim Anbieter registriert haben, und melden Sie sich dann an.</translation>
    </message>
</context>
<context>
    <name>cAutoconfig</name>
    <message>
        <source>The mail settings file &quot;%1&quot; cannot be read: %2 (line %3).</source>
        <translation>Die Datei mit Maileinstellungen „%1“ kann nicht gelesen werden: %2 (Zeile %3).</translation>
    </message>
    <message>
        <source>The provider table &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Anbietertabelle „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the provider table</source>
        <translation>der Anbietertabelle</translation>
    </message>
    <message>
        <source>the server name is no host name</source>
        <translation>der Servername ist kein Hostname</translation>
    </message>
    <message>
        <source>the port is no port number</source>
        <translation>der Port ist keine Portnummer</translation>
    </message>
    <message>
        <source>the kind of security is unknown</source>
        <translation>die Art der Sicherheit ist unbekannt</translation>
    </message>
    <message>
        <source>the user name holds control characters</source>
        <translation>der Benutzername enthält Steuerzeichen</translation>
    </message>
    <message>
        <source>%1: a server was left out: %2.</source>
        <translation>%1: Ein Server wurde ausgelassen: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no mail settings file.</source>
        <translation>„%1“ ist keine Datei mit Maileinstellungen.</translation>
    </message>
    <message>
        <source>it signs in with OAuth2 only, and the file names no OAuth2 addresses</source>
        <translation>er meldet sich nur mit OAuth2 an, und die Datei nennt keine OAuth2-Adressen</translation>
    </message>
</context>
<context>
    <name>cAutoconfigFetch</name>
    <message>
        <source>Stopped while asking %1.</source>
        <translation>Beim Fragen von %1 angehalten.</translation>
    </message>
    <message>
        <source>%1 did not answer in time.</source>
        <translation>%1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>%1 sent more than %2 KB.</source>
        <translation>%1 hat mehr als %2 KB gesendet.</translation>
    </message>
</context>
<context>
    <name>cContactStore</name>
    <message>
        <source>Cannot store the contact name &quot;%1&quot;: it is blank, has blanks around it, or holds a line break or &quot;]&quot;.</source>
        <translation>Der Kontaktname „%1“ kann nicht gespeichert werden: Er ist leer, hat Leerzeichen am Anfang oder Ende oder enthält einen Zeilenumbruch oder „]“.</translation>
    </message>
    <message>
        <source>Cannot rename the contact &quot;%1&quot; to &quot;%2&quot;: a contact of that name exists in &quot;%3&quot;.</source>
        <translation>Der Kontakt „%1“ kann nicht in „%2“ umbenannt werden: In „%3“ gibt es bereits einen Kontakt dieses Namens.</translation>
    </message>
</context>
<context>
    <name>cContactsPane</name>
    <message>
        <source>&amp;New contact</source>
        <translation>&amp;Neuer Kontakt</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Mail senden</translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation>Homepage besuchen</translation>
    </message>
    <message>
        <source>&amp;Add contact</source>
        <translation>Kontakt &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Hide Contacts Pane</source>
        <translation>Kontaktleiste ausblenden</translation>
    </message>
    <message>
        <source>Open Address Book</source>
        <translation>Adressbuch öffnen</translation>
    </message>
</context>
<context>
    <name>cDefaultMailClient</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für „%1“ konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Der Ordner kann nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>cFindSettingsPanel</name>
    <message>
        <source>&amp;Find settings</source>
        <translation>Einstellungen &amp;suchen</translation>
    </message>
    <message>
        <source>Find the servers of your e-mail address and check them with your password</source>
        <translation>Die Server Ihrer E-Mail-Adresse suchen und mit Ihrem Passwort prüfen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>These settings work and are filled in on the other pages; look them over, then click Done.</source>
        <translation>Diese Einstellungen funktionieren und sind auf den anderen Seiten eingetragen; sehen Sie sie durch und klicken Sie dann auf Fertig.</translation>
    </message>
    <message>
        <source>Stopped. The settings are as they were; fill them in by hand.</source>
        <translation>Angehalten. Die Einstellungen sind unverändert; tragen Sie sie von Hand ein.</translation>
    </message>
    <message>
        <source>These settings are filled in on the other pages; click Done, then sign in on the Sign-in page of the account&apos;s properties.</source>
        <translation>Diese Einstellungen sind auf den anderen Seiten eingetragen; klicken Sie auf Fertig und melden Sie sich dann auf der Seite Anmeldung in den Kontoeigenschaften an.</translation>
    </message>
</context>
<context>
    <name>cFolderIndex</name>
    <message>
        <source>Cannot read the message file &quot;%1&quot;: %2</source>
        <translation>Die Nachrichtendatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>cFolderStore</name>
    <message>
        <source>Cannot name a new file: the folder &quot;%1&quot; does not exist.</source>
        <translation>Es kann keine neue Datei benannt werden: Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot name a new file in &quot;%1&quot;: every name of the form %2N.%3 that was tried is taken.</source>
        <translation>In „%1“ kann keine neue Datei benannt werden: Jeder versuchte Name der Form %2N.%3 ist vergeben.</translation>
    </message>
    <message>
        <source>Cannot move the message &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Die Nachricht „%1“ kann nicht nach „%2“ verschoben werden: %3</translation>
    </message>
    <message>
        <source>Cannot copy the message &quot;%1&quot; to &quot;%2&quot;: %3</source>
        <translation>Die Nachricht „%1“ kann nicht nach „%2“ kopiert werden: %3</translation>
    </message>
    <message>
        <source>Cannot delete the message file &quot;%1&quot;: %2</source>
        <translation>Die Nachrichtendatei „%1“ kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Unable to create folder. Make sure you have write permissions, the disk is not full and the folder doesn&apos;t already exist.</source>
        <translation>Der Ordner kann nicht erstellt werden. Prüfen Sie, ob Sie Schreibrechte haben, der Datenträger nicht voll ist und der Ordner nicht schon existiert.</translation>
    </message>
    <message>
        <source>The folder could not be renamed. Make sure you have write permissions and the new folder name is valid.</source>
        <translation>Der Ordner konnte nicht umbenannt werden. Prüfen Sie, ob Sie Schreibrechte haben und der neue Ordnername gültig ist.</translation>
    </message>
    <message>
        <source>The folder could not be removed. Make sure there are no files left in the folder and try again.</source>
        <translation>Der Ordner konnte nicht entfernt werden. Prüfen Sie, ob keine Dateien mehr im Ordner sind, und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>cGetSession</name>
    <message>
        <source>Account: </source>
        <translation>Konto: </translation>
    </message>
    <message>
        <source> One or more setting is invalid, skipping.</source>
        <translation> Eine oder mehrere Einstellungen sind ungültig, wird übersprungen.</translation>
    </message>
    <message>
        <source>Mail transfer complete.</source>
        <translation>Mailübertragung abgeschlossen.</translation>
    </message>
    <message>
        <source>Attempting to connect to server...</source>
        <translation>Verbindung zum Server wird aufgebaut...</translation>
    </message>
    <message>
        <source>Error connecting to server</source>
        <translation>Fehler beim Verbinden mit dem Server</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Connected to server, authorizing...</source>
        <translation>Mit dem Server verbunden, Anmeldung läuft...</translation>
    </message>
    <message>
        <source>Authentification failed. Disconnecting.</source>
        <translation>Anmeldung fehlgeschlagen. Verbindung wird getrennt.</translation>
    </message>
    <message>
        <source>Bad login info.</source>
        <translation>Falsche Anmeldedaten.</translation>
    </message>
    <message>
        <source>Connected to server. Checking for new messages...</source>
        <translation>Mit dem Server verbunden. Neue Nachrichten werden abgerufen...</translation>
    </message>
    <message>
        <source>(%1) The fetched mail was left on the server: %2</source>
        <translation>(%1) Die abgerufenen Mails wurden auf dem Server gelassen: %2</translation>
    </message>
    <message>
        <source>No new messages</source>
        <translation>Keine neuen Nachrichten</translation>
    </message>
    <message>
        <source>Retrieving message %1 of %2</source>
        <translation>Nachricht %1 von %2 wird abgerufen</translation>
    </message>
    <message>
        <source>(%1) Message %2 was left on the server: %3</source>
        <translation>(%1) Nachricht %2 wurde auf dem Server gelassen: %3</translation>
    </message>
</context>
<context>
    <name>cHtmlView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;link address</source>
        <translation>&amp;Linkadresse kopieren</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
</context>
<context>
    <name>cIdentitiesPage</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Reply address:</source>
        <translation>Antwortadresse:</translation>
    </message>
    <message>
        <source>Organization:</source>
        <translation>Organisation:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>Signatur:</translation>
    </message>
    <message>
        <source>New identity</source>
        <translation>Neue Identität</translation>
    </message>
</context>
<context>
    <name>cIncomingStore</name>
    <message>
        <source>Cannot save the attachment &quot;%1&quot; in &quot;%2&quot;: %3</source>
        <translation>Der Anhang „%1“ kann nicht in „%2“ gespeichert werden: %3</translation>
    </message>
    <message>
        <source>Cannot create the attachments folder &quot;%1&quot;.</source>
        <translation>Der Anhangsordner „%1“ kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The message &quot;%1&quot; was stored with its first %2 attachments; %3 more were not saved.</source>
        <translation>Die Nachricht „%1“ wurde mit ihren ersten %2 Anhängen gespeichert; %3 weitere wurden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>cIniFile</name>
    <message>
        <source>Cannot read the settings file &quot;%1&quot;: %2</source>
        <translation>Die Einstellungsdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot store the setting &quot;%1&quot; in &quot;%2&quot;: it holds a line break or an equals sign.</source>
        <translation>Die Einstellung „%1“ kann nicht in „%2“ gespeichert werden: Sie enthält einen Zeilenumbruch oder ein Gleichheitszeichen.</translation>
    </message>
</context>
<context>
    <name>cJunkFilter</name>
    <message>
        <source>The junk filter is off: it needs bogofilter, which is not installed (Debian package &quot;bogofilter&quot;).</source>
        <translation>Der Junk-Filter ist aus: Er braucht bogofilter, das nicht installiert ist (Debian-Paket „bogofilter“).</translation>
    </message>
    <message>
        <source>Cannot create the junk filter&apos;s word list folder &quot;%1&quot;.</source>
        <translation>Der Ordner der Wortliste des Junk-Filters „%1“ kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The junk filter (%1) did not finish: %2</source>
        <translation>Der Junk-Filter (%1) ist nicht fertig geworden: %2</translation>
    </message>
    <message>
        <source>The junk filter (%1) failed with the word list &quot;%2&quot;: %3</source>
        <translation>Der Junk-Filter (%1) ist mit der Wortliste „%2“ gescheitert: %3</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>cJunkMemory</name>
    <message>
        <source>Cannot record what the junk filter learned in &quot;%1&quot;: %2</source>
        <translation>Was der Junk-Filter gelernt hat, kann nicht in „%1“ festgehalten werden: %2</translation>
    </message>
</context>
<context>
    <name>cJunkSession</name>
    <message>
        <source>The junk filter (%1) stopped answering: %2</source>
        <translation>Der Junk-Filter (%1) antwortet nicht mehr: %2</translation>
    </message>
</context>
<context>
    <name>cMailMessage</name>
    <message>
        <source>Cannot read the message file &quot;%1&quot;: %2</source>
        <translation>Die Nachrichtendatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The message file &quot;%1&quot; no longer exists.</source>
        <translation>Die Nachrichtendatei „%1“ existiert nicht mehr.</translation>
    </message>
</context>
<context>
    <name>cMailSorter</name>
    <message>
        <source> Mail it has not judged stays where it is.</source>
        <translation> Mails, die er nicht beurteilt hat, bleiben, wo sie sind.</translation>
    </message>
</context>
<context>
    <name>cMailboxFetch</name>
    <message>
        <source>Message %1 was left on the server: it has %2 bytes, more than the limit of %3 bytes</source>
        <translation>Nachricht %1 wurde auf dem Server gelassen: Sie hat %2 Bytes, mehr als die Grenze von %3 Bytes</translation>
    </message>
    <message>
        <source>Retrieving message %1 of %2</source>
        <translation>Nachricht %1 von %2 wird abgerufen</translation>
    </message>
    <message>
        <source> The fetched mail was left on the server.</source>
        <translation> Die abgerufenen Mails wurden auf dem Server gelassen.</translation>
    </message>
</context>
<context>
    <name>cMainFolderCommands</name>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>All messages in this folder will be lost. Are you certain you wish to delete this folder?</source>
        <translation>Alle Nachrichten in diesem Ordner gehen verloren. Möchten Sie diesen Ordner wirklich löschen?</translation>
    </message>
    <message>
        <source>All messages in this folder will be lost. Are you certain you wish to empty this folder?</source>
        <translation>Alle Nachrichten in diesem Ordner gehen verloren. Möchten Sie diesen Ordner wirklich leeren?</translation>
    </message>
    <message>
        <source>Cannot empty the folder</source>
        <translation>Der Ordner kann nicht geleert werden</translation>
    </message>
    <message>
        <source>Cannot create folder</source>
        <translation>Ordner kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot rename folder</source>
        <translation>Ordner kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Cannot remove folder</source>
        <translation>Ordner kann nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>cMainMessageCommands</name>
    <message>
        <source>Cannot open the message</source>
        <translation>Die Nachricht kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot forward the message</source>
        <translation>Die Nachricht kann nicht weitergeleitet werden</translation>
    </message>
    <message>
        <source>Cannot delete the message</source>
        <translation>Die Nachricht kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Cannot move the message</source>
        <translation>Die Nachricht kann nicht verschoben werden</translation>
    </message>
    <message>
        <source>Cannot copy the message</source>
        <translation>Die Nachricht kann nicht kopiert werden</translation>
    </message>
    <message>
        <source>Cannot mark the message</source>
        <translation>Die Nachricht kann nicht markiert werden</translation>
    </message>
    <message>
        <source>Cannot undo</source>
        <translation>Rückgängig machen nicht möglich</translation>
    </message>
    <message>
        <source>Cannot find the message</source>
        <translation>Die Nachricht ist nicht zu finden</translation>
    </message>
    <message>
        <source>The message &quot;%1&quot; is no longer in the list of the folder shown.</source>
        <translation>Die Nachricht „%1“ steht nicht mehr in der Liste des angezeigten Ordners.</translation>
    </message>
</context>
<context>
    <name>cMainSearch</name>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Save search</source>
        <translation>Suche speichern</translation>
    </message>
    <message>
        <source>Search first: type the words in the box above the list and press Enter.</source>
        <translation>Suchen Sie zuerst: Geben Sie die Wörter in das Feld über der Liste ein und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>Name der Suche:</translation>
    </message>
    <message>
        <source>Cannot save the search</source>
        <translation>Die Suche kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Delete the saved search &quot;%1&quot;? The messages it finds stay where they are.</source>
        <translation>Die gespeicherte Suche „%1“ löschen? Die Nachrichten, die sie findet, bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>Cannot delete the saved search</source>
        <translation>Die gespeicherte Suche kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>%1 - Index is being built: %2 of %3 messages</source>
        <translation>%1 - Index wird aufgebaut: %2 von %3 Nachrichten</translation>
    </message>
</context>
<context>
    <name>cMainViewCommands</name>
    <message>
        <source>&quot;%1&quot; was not opened: only web, mail and news addresses are.</source>
        <translation>„%1“ wurde nicht geöffnet: Nur Web-, Mail- und News-Adressen werden geöffnet.</translation>
    </message>
    <message>
        <source>View source</source>
        <translation>Quelltext anzeigen</translation>
    </message>
    <message>
        <source>Save as .eml</source>
        <translation>Als .eml speichern</translation>
    </message>
</context>
<context>
    <name>cMsgListModel</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>cNewMailNotice</name>
    <message>
        <source>New mail</source>
        <translation>Neue Mail</translation>
    </message>
</context>
<context>
    <name>cOAuth2Client</name>
    <message>
        <source>The authorization address &quot;%1&quot; is not an https address.</source>
        <translation>Die Autorisierungsadresse „%1“ ist keine https-Adresse.</translation>
    </message>
    <message>
        <source>The token address &quot;%1&quot; is not an https address.</source>
        <translation>Die Token-Adresse „%1“ ist keine https-Adresse.</translation>
    </message>
    <message>
        <source>The account has no OAuth2 client id; enter the one you registered with the provider.</source>
        <translation>Das Konto hat keine OAuth2-Client-ID; tragen Sie die ein, die Sie beim Anbieter registriert haben.</translation>
    </message>
    <message>
        <source>Could not wait for the browser on 127.0.0.1: %1</source>
        <translation>Auf 127.0.0.1 konnte nicht auf den Browser gewartet werden: %1</translation>
    </message>
    <message>
        <source>Ravelin only waits for the sign-in here.</source>
        <translation>Ravelin wartet hier nur auf die Anmeldung.</translation>
    </message>
    <message>
        <source>This is not a sign-in that Ravelin is waiting for.</source>
        <translation>Auf diese Anmeldung wartet Ravelin nicht.</translation>
    </message>
    <message>
        <source>The sign-in was refused. You can close this page.</source>
        <translation>Die Anmeldung wurde abgelehnt. Sie können diese Seite schließen.</translation>
    </message>
    <message>
        <source>%1 refused the sign-in: %2 %3</source>
        <translation>%1 hat die Anmeldung abgelehnt: %2 %3</translation>
    </message>
    <message>
        <source>The sign-in came back without a code.</source>
        <translation>Die Anmeldung kam ohne Code zurück.</translation>
    </message>
    <message>
        <source>Ravelin is signed in. You can close this page.</source>
        <translation>Ravelin ist angemeldet. Sie können diese Seite schließen.</translation>
    </message>
    <message>
        <source>The account is not signed in: sign in first.</source>
        <translation>Das Konto ist nicht angemeldet: Melden Sie sich zuerst an.</translation>
    </message>
    <message>
        <source>%1 sent an answer over %2 KB.</source>
        <translation>%1 hat eine Antwort über %2 KB gesendet.</translation>
    </message>
    <message>
        <source>The revocation address &quot;%1&quot; is not an https address.</source>
        <translation>Die Widerrufsadresse „%1“ ist keine https-Adresse.</translation>
    </message>
    <message>
        <source>%1 did not revoke the sign-in: %2</source>
        <translation>%1 hat die Anmeldung nicht widerrufen: %2</translation>
    </message>
    <message>
        <source>The sign-in was cancelled.</source>
        <translation>Die Anmeldung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Stopped while renewing the sign-in at %1.</source>
        <translation>Beim Erneuern der Anmeldung bei %1 angehalten.</translation>
    </message>
    <message>
        <source>%1 did not answer in time.</source>
        <translation>%1 hat nicht rechtzeitig geantwortet.</translation>
    </message>
</context>
<context>
    <name>cOAuth2SignIn</name>
    <message>
        <source>Sign in again in the properties of account %1.</source>
        <translation>Melden Sie sich in den Eigenschaften des Kontos %1 erneut an.</translation>
    </message>
    <message>
        <source>Account %1 is not signed in with OAuth2 yet. %2</source>
        <translation>Das Konto %1 ist noch nicht mit OAuth2 angemeldet. %2</translation>
    </message>
    <message>
        <source>The server refused the OAuth2 sign-in of account %1; it is renewed at the next attempt. If it is refused again, sign in again in the account&apos;s properties.</source>
        <translation>Der Server hat die OAuth2-Anmeldung des Kontos %1 abgelehnt; sie wird beim nächsten Versuch erneuert. Wird sie wieder abgelehnt, melden Sie sich in den Kontoeigenschaften erneut an.</translation>
    </message>
</context>
<context>
    <name>cOAuth2Tokens</name>
    <message>
        <source>%1 no longer accepts the sign-in (it expired or was revoked): sign in again.</source>
        <translation>%1 nimmt die Anmeldung nicht mehr an (sie ist abgelaufen oder wurde widerrufen): Melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>%1 refused the token request (HTTP %2): %3 %4</source>
        <translation>%1 hat die Token-Anfrage abgelehnt (HTTP %2): %3 %4</translation>
    </message>
    <message>
        <source>%1 answered without a usable bearer token.</source>
        <translation>%1 hat ohne brauchbares Bearer-Token geantwortet.</translation>
    </message>
</context>
<context>
    <name>cOriginalStore</name>
    <message>
        <source>Cannot create the folder of original messages &quot;%1&quot;.</source>
        <translation>Der Ordner der Originalnachrichten „%1“ kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The original of this message is not kept (&quot;%1&quot;).</source>
        <translation>Das Original dieser Nachricht ist nicht aufbewahrt („%1“).</translation>
    </message>
</context>
<context>
    <name>cPop3State</name>
    <message>
        <source>The record of fetched messages &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Verzeichnis abgerufener Nachrichten „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the journal &quot;%1&quot;: %2</source>
        <translation>Das Journal „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot clear the journal &quot;%1&quot;.</source>
        <translation>Das Journal „%1“ kann nicht geleert werden.</translation>
    </message>
    <message>
        <source>The record of fetched messages &quot;%1&quot; is damaged (line %2); it is rebuilt, and messages left on the server may be fetched again.</source>
        <translation>Das Verzeichnis abgerufener Nachrichten „%1“ ist beschädigt (Zeile %2); es wird neu aufgebaut, und auf dem Server gelassene Nachrichten werden vielleicht erneut abgerufen.</translation>
    </message>
</context>
<context>
    <name>cPreviewPane</name>
    <message>
        <source>Plain text</source>
        <translation>Reiner Text</translation>
    </message>
    <message>
        <source>Show this message as plain text</source>
        <translation>Diese Nachricht als reinen Text anzeigen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>cQrzMailStore</name>
    <message>
        <source>The message &quot;%1&quot; is not in the folder &quot;%2&quot;.</source>
        <translation>Die Nachricht „%1“ ist nicht im Ordner „%2“.</translation>
    </message>
</context>
<context>
    <name>cQtKeychainBackend</name>
    <message>
        <source>the desktop keyring did not answer within %1 seconds</source>
        <translation>der Schlüsselbund der Arbeitsumgebung hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>the desktop keyring needs a running application</source>
        <translation>der Schlüsselbund der Arbeitsumgebung braucht eine laufende Anwendung</translation>
    </message>
</context>
<context>
    <name>cQuickFilter</name>
    <message>
        <source>Filter by subject or sender</source>
        <translation>Nach Betreff oder Absender filtern</translation>
    </message>
    <message>
        <source>Press Enter to search all folders</source>
        <translation>Eingabetaste drücken, um alle Ordner zu durchsuchen</translation>
    </message>
</context>
<context>
    <name>cRemoteContentBar</name>
    <message>
        <source>Load remote content</source>
        <translation>Externe Inhalte laden</translation>
    </message>
    <message numerus="yes">
        <source>To protect your privacy, %n remote item(s) in this message were not loaded.</source>
        <translation>
            <numerusform>Zum Schutz Ihrer Privatsphäre wurde %n externer Inhalt in dieser Nachricht nicht geladen.</numerusform>
            <numerusform>Zum Schutz Ihrer Privatsphäre wurden %n externe Inhalte in dieser Nachricht nicht geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Always load from %1</source>
        <translation>Immer von %1 laden</translation>
    </message>
</context>
<context>
    <name>cRemoteContentSenders</name>
    <message>
        <source>The message names no sender to allow.</source>
        <translation>Die Nachricht nennt keinen Absender, der erlaubt werden könnte.</translation>
    </message>
</context>
<context>
    <name>cRuleEngine</name>
    <message>
        <source>The rule &quot;%1&quot;: %2</source>
        <translation>Die Regel „%1“: %2</translation>
    </message>
    <message>
        <source> The rule is off until that is mended.</source>
        <translation> Die Regel ist ausgeschaltet, bis das behoben ist.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; names the folder &quot;%2&quot;, which does not exist.</source>
        <translation>Die Regel „%1“ nennt den Ordner „%2“, den es nicht gibt.</translation>
    </message>
</context>
<context>
    <name>cRuleMatcher</name>
    <message>
        <source>The rule &quot;%1&quot; (%2): </source>
        <translation>Die Regel „%1“ (%2): </translation>
    </message>
    <message>
        <source>a size is compared as larger-than or smaller-than a number of kilobytes.</source>
        <translation>eine Größe wird mit „ist größer als“ oder „ist kleiner als“ mit einer Zahl von Kilobytes verglichen.</translation>
    </message>
    <message>
        <source>only a size can be larger or smaller.</source>
        <translation>nur eine Größe kann größer oder kleiner sein.</translation>
    </message>
    <message>
        <source>the header&apos;s name is missing.</source>
        <translation>der Name der Kopfzeile fehlt.</translation>
    </message>
    <message>
        <source>the pattern is not a valid regular expression: %1 at position %2.</source>
        <translation>das Muster ist kein gültiger regulärer Ausdruck: %1 an Position %2.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; has no action.</source>
        <translation>Die Regel „%1“ hat keine Aktion.</translation>
    </message>
</context>
<context>
    <name>cRuleStore</name>
    <message>
        <source>The rule &quot;%1&quot; in &quot;%2&quot; names a condition or action this version does not know; it is switched off.</source>
        <translation>Die Regel „%1“ in „%2“ nennt eine Bedingung oder Aktion, die diese Version nicht kennt; sie ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>The rule &quot;%1&quot; holds a line break in a text; a text of a rule is one line.</source>
        <translation>Die Regel „%1“ enthält einen Zeilenumbruch in einem Text; ein Text einer Regel ist eine Zeile.</translation>
    </message>
    <message>
        <source>There are two rules called &quot;%1&quot;.</source>
        <translation>Es gibt zwei Regeln namens „%1“.</translation>
    </message>
    <message>
        <source>There is a rule called &quot;%1&quot; already.</source>
        <translation>Es gibt bereits eine Regel namens „%1“.</translation>
    </message>
    <message>
        <source>Cannot read the rules in &quot;%1&quot;: %2</source>
        <translation>Die Regeln in „%1“ können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>There is no rule called &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>In „%2“ gibt es keine Regel namens „%1“.</translation>
    </message>
</context>
<context>
    <name>cSearchIndex</name>
    <message>
        <source>The search index &quot;%1&quot; is not open.</source>
        <translation>Der Suchindex „%1“ ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Indexing was stopped.</source>
        <translation>Das Erfassen für die Suche wurde angehalten.</translation>
    </message>
    <message>
        <source>The search index &quot;%1&quot; is not ready: it is being made. Search again in a moment.</source>
        <translation>Der Suchindex „%1“ ist noch nicht bereit: Er wird gerade angelegt. Suchen Sie gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>cSearchQuery</name>
    <message>
        <source>Cannot read the search: %1.</source>
        <translation>Die Suche kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date such as 2024-03-31</source>
        <translation>„%1“ ist kein Datum wie 2024-03-31</translation>
    </message>
    <message>
        <source>only %1 can follow here, not &quot;%2&quot;</source>
        <translation>hier kann nur %1 folgen, nicht „%2“</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>&quot;%1:&quot; needs a word after it</source>
        <translation>nach „%1:“ muss ein Wort folgen</translation>
    </message>
    <message>
        <source>a &quot;)&quot; closes nothing</source>
        <translation>ein „)“ schließt nichts</translation>
    </message>
    <message>
        <source>it ends where a word should follow</source>
        <translation>sie endet, wo ein Wort folgen müsste</translation>
    </message>
    <message>
        <source>a &quot;(&quot; is not closed</source>
        <translation>ein „(“ wird nicht geschlossen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands where a word should</source>
        <translation>„%1“ steht, wo ein Wort stehen müsste</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
</context>
<context>
    <name>cSendSession</name>
    <message>
        <source>No default account is set. Cannot send.</source>
        <translation>Es ist kein Standardkonto festgelegt. Senden nicht möglich.</translation>
    </message>
    <message>
        <source>No default account</source>
        <translation>Kein Standardkonto</translation>
    </message>
    <message>
        <source>Account: </source>
        <translation>Konto: </translation>
    </message>
    <message>
        <source>. One or more setting is invalid, skipping.</source>
        <translation>. Eine oder mehrere Einstellungen sind ungültig, wird übersprungen.</translation>
    </message>
    <message>
        <source>: one or more of this account&apos;s settings are invalid.</source>
        <translation>: Eine oder mehrere Einstellungen dieses Kontos sind ungültig.</translation>
    </message>
    <message>
        <source>Invalid mail settings</source>
        <translation>Ungültige Maileinstellungen</translation>
    </message>
    <message>
        <source>Attempting to connect to server...</source>
        <translation>Verbindung zum Server wird aufgebaut...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Sending message...</source>
        <translation>Nachricht wird gesendet...</translation>
    </message>
    <message>
        <source>Cannot open socket. Aborting...</source>
        <translation>Socket kann nicht geöffnet werden. Abbruch...</translation>
    </message>
    <message>
        <source>Connection error</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>All mail sent. Disconnecting...</source>
        <translation>Alle Mails gesendet. Verbindung wird getrennt...</translation>
    </message>
    <message>
        <source>Mail sent.</source>
        <translation>Mails gesendet.</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>Verbindung wird getrennt...</translation>
    </message>
    <message>
        <source>(%1) %2 was not sent and stays in %3: %4</source>
        <translation>(%1) %2 wurde nicht gesendet und bleibt in %3: %4</translation>
    </message>
    <message>
        <source>the server refused it.</source>
        <translation>der Server hat sie abgelehnt.</translation>
    </message>
    <message>
        <source>the connection failed.</source>
        <translation>die Verbindung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Message sent.</source>
        <translation>Nachricht gesendet.</translation>
    </message>
    <message>
        <source>The message was sent, but could not be filed in Sent items: </source>
        <translation>Die Nachricht wurde gesendet, konnte aber nicht in „Sent items“ abgelegt werden: </translation>
    </message>
    <message>
        <source>Sign in again</source>
        <translation>Erneut anmelden</translation>
    </message>
</context>
<context>
    <name>cServerProbe</name>
    <message>
        <source>Port %1, %2: </source>
        <translation>Port %1, %2: </translation>
    </message>
    <message>
        <source>works; logins offered: %1</source>
        <translation>funktioniert; angebotene Anmeldungen: %1</translation>
    </message>
    <message>
        <source>The server takes mail only after a login.</source>
        <translation>Der Server nimmt Mails erst nach einer Anmeldung an.</translation>
    </message>
    <message>
        <source>TLS on connect</source>
        <translation>TLS beim Verbinden</translation>
    </message>
    <message>
        <source>no encryption</source>
        <translation>keine Verschlüsselung</translation>
    </message>
</context>
<context>
    <name>cSessionEngine</name>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
</context>
<context>
    <name>cSettingsVerifier</name>
    <message>
        <source>The check of the settings was stopped.</source>
        <translation>Die Prüfung der Einstellungen wurde angehalten.</translation>
    </message>
    <message>
        <source>Logging in to the POP3 server %1 as %2.</source>
        <translation>Anmeldung am POP3-Server %1 als %2.</translation>
    </message>
    <message>
        <source>No %1 server could be reached: %2</source>
        <translation>Kein %1-Server war erreichbar: %2</translation>
    </message>
    <message>
        <source>Logging in to the SMTP server %1 as %2.</source>
        <translation>Anmeldung am SMTP-Server %1 als %2.</translation>
    </message>
    <message>
        <source> The server did not accept the OAuth2 sign-in: sign in again.</source>
        <translation> Der Server hat die OAuth2-Anmeldung nicht angenommen: Melden Sie sich erneut an.</translation>
    </message>
    <message>
        <source>The POP3 server %1 refused the login as &quot;%2&quot;: %3%4</source>
        <translation>Der POP3-Server %1 hat die Anmeldung als „%2“ abgelehnt: %3%4</translation>
    </message>
    <message>
        <source>The SMTP server %1 asks for no login; mail will be sent without one.</source>
        <translation>Der SMTP-Server %1 verlangt keine Anmeldung; Mails werden ohne Anmeldung gesendet.</translation>
    </message>
    <message>
        <source>The SMTP server %1 refused the login as &quot;%2&quot;: %3 %4%5</source>
        <translation>Der SMTP-Server %1 hat die Anmeldung als „%2“ abgelehnt: %3 %4%5</translation>
    </message>
</context>
<context>
    <name>cSignInPage</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>OAuth2 (sign in with the provider)</source>
        <translation>OAuth2 (beim Anbieter anmelden)</translation>
    </message>
    <message>
        <source>&amp;Authentication:</source>
        <translation>Au&amp;thentifizierung:</translation>
    </message>
    <message>
        <source>&amp;Client id:</source>
        <translation>&amp;Client-ID:</translation>
    </message>
    <message>
        <source>The client id you registered with your provider for Ravelin</source>
        <translation>Die Client-ID, die Sie bei Ihrem Anbieter für Ravelin registriert haben</translation>
    </message>
    <message>
        <source>Client &amp;secret (if any):</source>
        <translation>Client-&amp;Geheimnis (falls vorhanden):</translation>
    </message>
    <message>
        <source>Sign-in address:</source>
        <translation>Anmeldeadresse:</translation>
    </message>
    <message>
        <source>Token address:</source>
        <translation>Token-Adresse:</translation>
    </message>
    <message>
        <source>Revocation address:</source>
        <translation>Widerrufsadresse:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Bereich (Scope):</translation>
    </message>
    <message>
        <source>The account signs in with OAuth2 but is not signed in: click &quot;Sign in...&quot; first.</source>
        <translation>Das Konto meldet sich mit OAuth2 an, ist aber nicht angemeldet: Klicken Sie zuerst auf „Anmelden...“.</translation>
    </message>
    <message>
        <source>&amp;Cancel sign-in</source>
        <translation>Anmeldung a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Sign &amp;in...</source>
        <translation>An&amp;melden...</translation>
    </message>
    <message>
        <source>The account logs in with the password on the Server page.</source>
        <translation>Das Konto meldet sich mit dem Passwort von der Seite Server an.</translation>
    </message>
    <message>
        <source>Waiting for the sign-in in your browser...</source>
        <translation>Warten auf die Anmeldung in Ihrem Browser...</translation>
    </message>
    <message>
        <source>Signed in.</source>
        <translation>Angemeldet.</translation>
    </message>
    <message>
        <source>Not signed in.</source>
        <translation>Nicht angemeldet.</translation>
    </message>
</context>
<context>
    <name>cSignatureStore</name>
    <message>
        <source>Cannot store the signature name &quot;%1&quot;: it is blank, has blanks around it, or holds a line break or &quot;]&quot;.</source>
        <translation>Der Signaturname „%1“ kann nicht gespeichert werden: Er ist leer, hat Leerzeichen am Anfang oder Ende oder enthält einen Zeilenumbruch oder „]“.</translation>
    </message>
    <message>
        <source>Cannot rename the signature &quot;%1&quot; to &quot;%2&quot;: a signature of that name exists.</source>
        <translation>Die Signatur „%1“ kann nicht in „%2“ umbenannt werden: Eine Signatur dieses Namens gibt es bereits.</translation>
    </message>
    <message>
        <source>The signature &quot;%1&quot; is no longer in &quot;%2&quot;.</source>
        <translation>Die Signatur „%1“ ist nicht mehr in „%2“.</translation>
    </message>
</context>
<context>
    <name>cSqliteDb</name>
    <message>
        <source>Cannot open the search index &quot;%1&quot;: %2.</source>
        <translation>Der Suchindex „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot create the search index &quot;%1&quot;: %2.</source>
        <translation>Der Suchindex „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot update the search index &quot;%1&quot;: %2.</source>
        <translation>Der Suchindex „%1“ kann nicht aktualisiert werden: %2.</translation>
    </message>
    <message>
        <source>Cannot search the search index &quot;%1&quot;: %2.</source>
        <translation>Im Suchindex „%1“ kann nicht gesucht werden: %2.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>nicht genug Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>cTransferEvents</name>
    <message>
        <source>No account present</source>
        <translation>Kein Konto vorhanden</translation>
    </message>
    <message>
        <source>There is not mail account set up on this computer. Would you like to create one now?</source>
        <translation>Auf diesem Computer ist kein Mailkonto eingerichtet. Möchten Sie jetzt eines erstellen?</translation>
    </message>
</context>
<context>
    <name>cTransferWindow</name>
    <message>
        <source>• Current account:</source>
        <translation>• Aktuelles Konto:</translation>
    </message>
    <message>
        <source> Status </source>
        <translation> Status </translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation>Nicht verbunden.</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Errors -&gt;</source>
        <translation>&amp;Fehler -&gt;</translation>
    </message>
</context>
<context>
    <name>cUndoHistory</name>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Messages deleted from the Trash are deleted for good; that cannot be undone.</source>
        <translation>Aus dem Papierkorb gelöschte Nachrichten sind endgültig gelöscht; das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The message &quot;%1&quot; is no longer there; it was not moved back.</source>
        <translation>Die Nachricht „%1“ ist nicht mehr da; sie wurde nicht zurückverschoben.</translation>
    </message>
    <message>
        <source>The message &quot;%1&quot; is no longer there; its read mark was not restored.</source>
        <translation>Die Nachricht „%1“ ist nicht mehr da; ihre Gelesen-Markierung wurde nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>The message &quot;%1&quot; was marked again since; its read mark was left as it is.</source>
        <translation>Die Nachricht „%1“ wurde seitdem erneut markiert; ihre Gelesen-Markierung bleibt, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>cUntrustedCertificate</name>
    <message>
        <source>(no name)</source>
        <translation>(kein Name)</translation>
    </message>
    <message>
        <source>Server: %1</source>
        <translation>Server: %1</translation>
    </message>
    <message>
        <source>Subject: %1</source>
        <translation>Inhaber: %1</translation>
    </message>
    <message>
        <source>Issuer: %1</source>
        <translation>Aussteller: %1</translation>
    </message>
    <message>
        <source>Valid from %1 until %2</source>
        <translation>Gültig von %1 bis %2</translation>
    </message>
    <message>
        <source>SHA-256 fingerprint: %1</source>
        <translation>SHA-256-Fingerabdruck: %1</translation>
    </message>
</context>
<context>
    <name>cVCard</name>
    <message>
        <source>Cannot read the vCard file &quot;%1&quot;: %2</source>
        <translation>Die vCard-Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>unitContactsSupport</name>
    <message>
        <source>Cannot rename contact</source>
        <translation>Kontakt kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this contact?</source>
        <translation>Möchten Sie diesen Kontakt wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source>Cannot delete contact</source>
        <translation>Kontakt kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Cannot send mail</source>
        <translation>Mail kann nicht gesendet werden</translation>
    </message>
    <message>
        <source>There is no E-Mail address defined for this contact. Please enter one before using this function.</source>
        <translation>Für diesen Kontakt ist keine E-Mail-Adresse eingetragen. Bitte tragen Sie eine ein, bevor Sie diese Funktion verwenden.</translation>
    </message>
    <message>
        <source>Cannot visit Home Page</source>
        <translation>Homepage kann nicht besucht werden</translation>
    </message>
    <message>
        <source>There is not home page address defined for this contact. Please enter one before using this function.</source>
        <translation>Für diesen Kontakt ist keine Homepage-Adresse eingetragen. Bitte tragen Sie eine ein, bevor Sie diese Funktion verwenden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address; only those are opened.</source>
        <translation>„%1“ ist keine Webadresse; nur solche werden geöffnet.</translation>
    </message>
</context>
</TS>
