<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountFieldChecks</name>
    <message>
        <source>Account name: please enter a name for the account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An account name cannot contain &quot;]&quot; or a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a port number. Please enter a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP user name: please enter the user name for the SMTP login, or choose another login.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AttachmentOpening</name>
    <message>
        <source>marked as executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2) can run as a program, and opening it may start it. A program can do anything you can: read, change or delete your files, or send mail in your name. Open it only if you expected it from someone you trust.

Open it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open attachment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CertificateTrust</name>
    <message>
        <source>Untrusted certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trust this certificate for this account only?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicateContactQuestion</name>
    <message>
        <source>no e-mail address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address book already has a contact named &quot;%1&quot; (%2).

The card &quot;%3&quot; (%4) from the file:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkFollowing</name>
    <message>
        <source>Suspicious link: its text names &quot;%1&quot;, but it leads to &quot;%2&quot;.

Open it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspicious link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not opened: only web, mail and news addresses are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The suspicious link to &quot;%1&quot; was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailFolderLock</name>
    <message>
        <source>The mail folder %1 is in use by another Ravelin (process %2 on %3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MailFolderMove</name>
    <message>
        <source>Ravelin - Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail folder changes from %1 to %2.

Move your mail, contacts and signatures to the new folder, or use the new folder as it is?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move my mail there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use the new folder as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving your mail to %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Indexing messages for search: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail folder in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running Ravelin does not answer at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request could not be handed to the running Ravelin at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>(not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt %1 (built with %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating system: %1, kernel %2 %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attachments folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAccountProps</name>
    <message>
        <source>Account properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your e-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal infomation page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this window to fill in personal information about yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Incoming (POP3) server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing (SMTP) server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connect as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server settings page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using this page, fill in all the required server info.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Server ports </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 server port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP server port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leave mail on server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove from server after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced settings page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you will be able to specify advanced mail settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security settings page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose how the connections to your servers are protected and how you log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identities page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other names and addresses you send from with this account; the message window lets you choose them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Type the passwords again, or press Cancel to leave them as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 server port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP server port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAccounts</name>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail accounts window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This window contains your mail accounts. Use it to add, modify and delete them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set as default account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you certain you wish to permenently delete this account?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An account named &quot;%1&quot; already exists. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be made the default account.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAddContact</name>
    <message>
        <source>Add new contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new contact window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type the name and e-mail of the contact here below. You will be able to modify other properties later on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save contact</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAddReceipiantsFromAddressBook</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add receipiants from address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAddSignature</name>
    <message>
        <source>Ravelin - Add signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please fill in the required information here below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Signature&apos;s message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravelin - Signature properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature properties</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmAddressBook</name>
    <message>
        <source>person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in your address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolvan Ravelin - Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import vCard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export vCard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send mail to contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit contact&apos;s Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contact(s) imported, %2 broken card(s) skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contact(s) exported to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmContactProperties</name>
    <message>
        <source>Contact properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary E-Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Page:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal information page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home properties page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this page to fill in the contact&apos;s home address, home phone number, ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State/Provice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax #:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work properties page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter here the contact&apos;s company, position, buisness web site, ... .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State and country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save contact</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCreateFolder</name>
    <message>
        <source>Create new folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please write the name of the folder in the textbox here below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCreateNewAccount</name>
    <message>
        <source>Create new account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make this my default account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the required information here below to create a new mail account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My mail account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your e-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>you@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your_user_id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 mail server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port: (110 usually)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP mail server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port: (25 usually)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: better leave the &quot;ports&quot; parts to their default values since this is what is almost always used by all ISPs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An account named &quot;%1&quot; already exists. Do you wish to replace its settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; was saved, but could not be made the default account.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmDefClient</name>
    <message>
        <source>Ravelin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravelin is currently not your default Mail Client. Would you like to register it as the default one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dont ask me this again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmEmptyTrash</name>
    <message>
        <source>Ravelin - Empty trash folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Trash folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to empty the trash folder, deleting all messages in it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t ask me this again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmFirstRunPrompt</name>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First run wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Welcome!&lt;/h2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since this is the first time this program is being ran on your computer, you&apos;ll need to fill some information in order to get started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data storage folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the name of the folder where Ravelin 2.0 will store things such as e-mail, contacts, ... .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will next be asked for your mail settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmGetMail</name>
    <message>
        <source>Receiving mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for new mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempting to connect...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for mail...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmInsertSignature</name>
    <message>
        <source>Insert signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message numerus="yes">
        <source>The rules moved %n message(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The junk filter learned %n message(s) of &quot;%1&quot; as junk.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The junk filter learned %n message(s) of &quot;%1&quot; as not junk.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The junk filter is learning from &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> new message(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply to author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Junk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark as junk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save search...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy message to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move message to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contact Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefer plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by s&amp;ubject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reply to author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reply quoted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply &amp;all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply to the author and every recipient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward as attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add sender to address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send unsent messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for new mail using...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message rules...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run rules on this folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manage signatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark as read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark as unread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not junk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run rules on these messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Launch as hyperlink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View s&amp;ource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as .&amp;eml...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn from this folder as junk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn from this folder as not junk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open attachments folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for new messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send unsent mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date&amp;Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> message(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window settings could not be saved.

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmMessageProps</name>
    <message>
        <source>Cannot open the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich text (HTML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received on account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date&amp;&amp;Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmNewMessage</name>
    <message>
        <source>Cannot open the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date&amp;&amp;Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Signature...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manage signatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encode ROT13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decode ROT13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This message has not been saved. Keep it in the Unfinished folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 messages have not been saved. Keep them in the Unfinished folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message could not be kept in Unfinished: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind copies: these addresses get the message, and no one sees them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;cc:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bcc:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Subject: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The are no receipiants of this message. Send is not possible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No account set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not account set up on this computer. Your message has been saved in the &quot;unsent&quot; folder. You can send it once a mail account is created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravelin e-mails (*.qrz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert attachment...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No signatures avaliable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage signatures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a signature</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmNewMsg_SelectAccount</name>
    <message>
        <source>Choose account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the account which you&apos;ll use to check for new messages from the list here below:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Ravelin - Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail is being sent or received. Please move the mail folder once that has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravelin Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt me on emptying the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for new mail every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that Ravelin is the default mail client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail should always be sent immedeatly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send unsent messages after fetching mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include original message in replies and forwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-insert default signature to messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quoted message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character for quoting message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the following font to display e-mails:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and in the message composition window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New mail sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error sound:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store all my e-mails, contacts and signatures in the following folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store attachments from incoming messages in this folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose folder:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmReadMessage</name>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmRuleEditor</name>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To or CC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size (KB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>contains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not contain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>begins with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matches the regular expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is larger than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is smaller than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ravelin - Message rule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all of these conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any of these conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Act on a message that meets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop processing further rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmRules</name>
    <message>
        <source>Ravelin - Message rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules run from the top down on every message that arrives. Only the rules that are ticked run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be changed here while that is so: a save would write the rule back without what could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the rule &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSelectFolder</name>
    <message>
        <source>Copy message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected message to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected message to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSendMail</name>
    <message>
        <source>Ravelin - Sending mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait while Ravelin is sending your e-mail to it&apos;s receipiants.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No account in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending message #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> out of a total of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No operation in progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmSignatures</name>
    <message>
        <source>Ravelin - Signatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signatures window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This window contains your signatures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletion confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to permenenantly delete this signature?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmViewSource</name>
    <message>
        <source>Save as .eml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail messages (*.eml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the message as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source of &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as .&amp;eml...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cAccountSecurityPage</name>
    <message>
        <source>&amp;Allow sending the password without encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep passwords in the desktop keyring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forget trusted certificates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming mail (POP3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 s&amp;ecurity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLS on connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USER and PASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SASL (AUTH), when offered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 lo&amp;gin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing mail (SMTP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP securit&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STARTTLS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;tect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as POP3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own user name and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;MTP login:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP &amp;user name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP pass&amp;word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POP3 server: please enter the name of the server to detect its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMTP server: please enter the name of the server to detect its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server settings could not be detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found: port %1 with security &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No way to reach %1 was found; the settings are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificates trusted for this account: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cAttachmentList</name>
    <message>
        <source>Save attachment as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the attachment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cContactsPane</name>
    <message>
        <source>&amp;New contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Contacts Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Address Book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cDefaultMailClient</name>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cFindSettingsPanel</name>
    <message>
        <source>&amp;Find settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the servers of your e-mail address and check them with your password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings work and are filled in on the other pages; look them over, then click Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. The settings are as they were; fill them in by hand.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cIdentitiesPage</name>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reply address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New identity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cMainFolderCommands</name>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All messages in this folder will be lost. Are you certain you wish to delete this folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All messages in this folder will be lost. Are you certain you wish to empty this folder?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot empty the folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cMainMessageCommands</name>
    <message>
        <source>Cannot open the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot forward the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot move the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot mark the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message &quot;%1&quot; is no longer in the list of the folder shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cMainSearch</name>
    <message>
        <source>Search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search first: type the words in the box above the list and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the saved search &quot;%1&quot;? The messages it finds stay where they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the saved search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cMainViewCommands</name>
    <message>
        <source>&quot;%1&quot; was not opened: only web, mail and news addresses are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as .eml</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cMsgListModel</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cNewMailNotice</name>
    <message>
        <source>New mail</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cPreviewPane</name>
    <message>
        <source>Plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this message as plain text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cQuickFilter</name>
    <message>
        <source>Filter by subject or sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to search all folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cRemoteContentBar</name>
    <message>
        <source>Load remote content</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>To protect your privacy, %n remote item(s) in this message were not loaded.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Always load from %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cTransferEvents</name>
    <message>
        <source>No account present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not mail account set up on this computer. Would you like to create one now?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cTransferWindow</name>
    <message>
        <source>• Current account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Status </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>unitContactsSupport</name>
    <message>
        <source>Cannot rename contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this contact?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot send mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no E-Mail address defined for this contact. Please enter one before using this function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot visit Home Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not home page address defined for this contact. Please enter one before using this function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address; only those are opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
