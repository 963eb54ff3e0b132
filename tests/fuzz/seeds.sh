# shellcheck shell=bash
# Sourced by run_fuzz.sh: a few seed inputs for each target, written into
# its corpus folder, so that a short run starts from inputs of the right form.

# seed_corpus TARGET DIR
seed_corpus() {
    local dir=$2
    case $1 in
        list_file_fuzz)
            printf 'a.example\r\nb.example\r\n\r\n' >"$dir/seed-saved"
            printf 'unix.example\nmac.example\rblank\r\n \r\n  \r\n' >"$dir/seed-ends"
            printf 'http://x/\r\nwww.EXAMPLE.com:8080\r\n' >"$dir/seed-hosts"
            printf 'a\0.\0e\0x\0\r\0\n\0\xfc\0' >"$dir/seed-utf16-no-mark"
            printf '\xff\xfe\x8bO.\0\r\0\n\0' >"$dir/seed-utf16-mark"
            printf 'one\0two\r\n' >"$dir/seed-nul"
            ;;
        text_search_fuzz)
            printf '\x07\x00www.ExAwww.example.com\r\nwww.exa\r\n' >"$dir/seed-part"
            printf '\x00\x05anything' >"$dir/seed-empty-part"
            ;;
        opener_site_fuzz)
            printf '\x0ahttp://www.Example.com:8080/path?x=http://y/' >"$dir/seed-address"
            printf '\x00file:///C:/page.html' >"$dir/seed-file"
            printf '\x03about:blank' >"$dir/seed-blank"
            ;;
        machine_setting_fuzz)
            printf '\x01\x00\x00\x00\x04Auto1\x00' >"$dir/seed-string"
            printf '\x04\x00\x00\x00\x04Auto\x01\x00\x00\x00' >"$dir/seed-dword"
            printf '\x01\x00\x00\x00\x02 Xno-zero' >"$dir/seed-no-zero"
            ;;
        local_address_fuzz)
            printf '\x00\x00\x7f\x00\x00\x01\x0a\x00\x00\x05\xc0\xa8\x01\x02' >"$dir/seed-rows"
            printf '\x01\x09\x0a\x00\x00\x05' >"$dir/seed-claimed"
            printf '\x04\x00\x0a\x00\x00\x05\x0a\x00\x00\x06' >"$dir/seed-late"
            ;;
        service_buffer_fuzz)
            printf '\x00\x0c\x00\xa0\x00Messenger\x00' >"$dir/seed-32"
            printf '\x01\x10\x00\xa0\x00\xf4\x01\x00\x00Messenger\x00' >"$dir/seed-64"
            ;;
    esac
}
