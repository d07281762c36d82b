<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CorvadQt5::PasswordDialog</name>
    <message>
        <source>Password request</source>
        <translation>Parola isteği</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Parolayı onayla</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Kabul et</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::LoginDialog</name>
    <message>
        <source>Autentification</source>
        <translation>Kimlik doğrulama</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Kabul et</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::ElementSelectDialog</name>
    <message>
        <source>Choose element</source>
        <translation>Öğe seçin</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Diğer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Any user or group</source>
        <translation>Herhangi bir kullanıcı veya grup</translation>
    </message>
    <message>
        <source>other</source>
        <translation>diğer</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Kullanıcılar</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruplar</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::PasswordAids</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Caps Lock açık</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Parolayı göster</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>Parolayı gizle</translation>
    </message>
</context>
</TS>
