<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CorvadQt5::PasswordDialog</name>
    <message>
        <source>Password request</source>
        <translation>Żądanie hasła</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Potwierdź hasło</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::LoginDialog</name>
    <message>
        <source>Autentification</source>
        <translation>Uwierzytelnianie</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Akceptuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::ElementSelectDialog</name>
    <message>
        <source>Choose element</source>
        <translation>Wybierz element</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Any user or group</source>
        <translation>Dowolny użytkownik lub grupa</translation>
    </message>
    <message>
        <source>other</source>
        <translation>inne</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Użytkownicy</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupy</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::PasswordAids</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Caps Lock jest włączony</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Pokaż hasło</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>Ukryj hasło</translation>
    </message>
</context>
</TS>
