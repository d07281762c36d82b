<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CorvadQt5::PasswordDialog</name>
    <message>
        <source>Password request</source>
        <translation>Požadavek na heslo</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Potvrzení hesla</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Přijmout</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::LoginDialog</name>
    <message>
        <source>Autentification</source>
        <translation>Ověření</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Přijmout</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::ElementSelectDialog</name>
    <message>
        <source>Choose element</source>
        <translation>Vyberte prvek</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Uživatel</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Skupina</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiné</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Any user or group</source>
        <translation>Libovolný uživatel nebo skupina</translation>
    </message>
    <message>
        <source>other</source>
        <translation>jiné</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Uživatelé</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Skupiny</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::PasswordAids</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Caps Lock je zapnutý</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Zobrazit heslo</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>Skrýt heslo</translation>
    </message>
</context>
</TS>
