<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CorvadQt5::PasswordDialog</name>
    <message>
        <source>Password request</source>
        <translation>Solicitud de contraseña</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::LoginDialog</name>
    <message>
        <source>Autentification</source>
        <translation>Autenticación</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::ElementSelectDialog</name>
    <message>
        <source>Choose element</source>
        <translation>Elegir elemento</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Any user or group</source>
        <translation>Cualquier usuario o grupo</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::PasswordAids</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Bloq Mayús está activado</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar la contraseña</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>Ocultar la contraseña</translation>
    </message>
</context>
</TS>
