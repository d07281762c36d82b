# Writes the account fixtures: <dir>/plain/{passwd,group} for nss_wrapper, which skips entries
# larger than the caller's buffer, and <dir>/full/ with two entries of about 5000 bytes for
# glibc's own files backend; <dir>/directory/ has the same files and an nsswitch.conf that
# adds the non-enumerating test module after them.
function(corvadqt5_write_account_fixtures dir)
    string(ASCII 233 e_acute) # Latin-1: not valid in a UTF-8 locale
    string(REPEAT "x" 5000 long_gecos)
    string(REPEAT "member," 720 long_members)
    set(passwd_head
        "root:x:0:0:root:/root:/bin/sh"
        "daemon:x:1:1:daemon:/usr/sbin:/usr/sbin/nologin"
        "mid:x:150:150::/var/mid:/usr/sbin/nologin"
        "edge:x:299:299::/var/edge:/usr/sbin/nologin"
        "first:x:300:300:First regular:/home/first:/bin/sh"
        "alice:x:1000:1000:Alice:/home/alice:/bin/bash"
        "Alice:x:1001:1001:Case twin:/home/Alice:/bin/bash"
        "twin:x:1002:1002::/home/twin:/bin/sh"
        "twin-shadow:x:1002:1002::/home/twin-shadow:/bin/sh"
        "alice:x:1003:1003:Name twin:/home/alice-again:/bin/sh"
        "nohome:x:1004:1004:::/bin/sh"
        "caf${e_acute}:x:1005:1005::/home/cafe:/bin/sh")
    set(passwd_tail
        "after:x:1007:1007::/home/after:/bin/sh"
        "nobody:x:65534:65534:nobody:/nonexistent:/usr/sbin/nologin"
        "max:x:4294967295:4294967295::/home/max:/bin/sh")
    set(group_head
        "root:x:0:" "daemon:x:1:" "mid:x:150:" "edge:x:299:" "first:x:300:alice"
        "staff:x:1000:alice,Alice" "Staff:x:1001:" "twin:x:1002:" "twin:x:1003:"
        "twin-shadow:x:1002:" "caf${e_acute}:x:1005:")
    set(group_tail "after:x:1007:" "nogroup:x:65534:" "max:x:4294967295:")

    foreach(kind plain full directory)
        set(passwd ${passwd_head})
        set(group ${group_head})
        if(NOT kind STREQUAL "plain")
            list(APPEND passwd "long:x:1006:1006:${long_gecos}:/home/long:/bin/sh")
            list(APPEND group "big:x:1006:${long_members}last")
        endif()
        list(APPEND passwd ${passwd_tail})
        list(APPEND group ${group_tail})
        list(JOIN passwd "\n" passwd_text)
        list(JOIN group "\n" group_text)
        file(WRITE ${dir}/${kind}/passwd "${passwd_text}\n")
        file(WRITE ${dir}/${kind}/group "${group_text}\n")
    endforeach()
    file(WRITE ${dir}/nsswitch.conf "passwd: files\ngroup: files\nshadow: files\n")
    file(WRITE ${dir}/directory/nsswitch.conf
        "passwd: files corvaddir\ngroup: files corvaddir\nshadow: files\n")
endfunction()
