# The Debian mirror the system's own apt sources name (EPEE_DEBIAN_MIRROR overrides it),
# for the scripts that fetch from Debian's archive without touching apt's configuration.
debian_mirror() {
    local uri
    uri=$(grep -hoE '(https?://[^ ]+/debian)/?( |$)' /etc/apt/sources.list \
        /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
        head -1 | tr -d ' ')
    echo "${EPEE_DEBIAN_MIRROR:-${uri:-http://deb.debian.org/debian}}"
}
