<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>CorvadQt5::PasswordDialog</name>
    <message>
        <source>Password request</source>
        <translation>암호 요청</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>암호 확인</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>수락</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::LoginDialog</name>
    <message>
        <source>Autentification</source>
        <translation>인증</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>암호</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>수락</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::ElementSelectDialog</name>
    <message>
        <source>Choose element</source>
        <translation>요소 선택</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>그룹</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Any user or group</source>
        <translation>모든 사용자 또는 그룹</translation>
    </message>
    <message>
        <source>other</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>그룹</translation>
    </message>
</context>
<context>
    <name>CorvadQt5::PasswordAids</name>
    <message>
        <source>Caps Lock is on</source>
        <translation>Caps Lock이 켜져 있습니다</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>암호 표시</translation>
    </message>
    <message>
        <source>Hide password</source>
        <translation>암호 숨기기</translation>
    </message>
</context>
</TS>
