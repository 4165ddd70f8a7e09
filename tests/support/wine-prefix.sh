# Sourced by the tests that run Windows programs under Wine on a private X
# server. use_wine_prefix PREFIX: exports WINEPREFIX and a quiet Wine, ends a
# server left running in it, makes the prefix once (Wine drawing its own
# frames, as there is no window manager; Verdana as DejaVu Sans) or copies it
# from the prepared prefix VELK_WINE_TEMPLATE names, and keeps a
# server and Wine's services running for the test. restart_wine: the same
# after a change to the prefix's registry. end_wine: ends them.
use_wine_prefix() {
    export WINEPREFIX=$1
    # Wine names files in the Unix locale's character set: with no locale at
    # all (a fresh machine's bare environment) that is ASCII, and a folder
    # such as "Velk Game Ü" cannot be made. A UTF-8 one then, unless one is
    # chosen.
    [ -n "${LC_ALL:-}${LC_CTYPE:-}${LANG:-}" ] || export LANG=C.UTF-8
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    end_wine
    if ! [ -f "$WINEPREFIX/.velk-ready" ] && [ -f "${VELK_WINE_TEMPLATE:-/nonexistent}/.velk-ready" ]; then
        # A copy of the stage's template, made once with no server running in
        # it, costs a second where booting a prefix costs ten.
        rm -rf "$WINEPREFIX"
        cp -a "$VELK_WINE_TEMPLATE" "$WINEPREFIX"
    fi
    if ! [ -f "$WINEPREFIX/.velk-ready" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        wineboot -i >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /d 'DejaVu Sans' /f >/dev/null 2>&1 </dev/null
        wineserver -w
        touch "$WINEPREFIX/.velk-ready"
    fi
    restart_wine
}

restart_wine() {
    wineserver -w >/dev/null 2>&1 </dev/null || true
    # -p refuses while a server runs in the prefix (one a Wine process
    # started after the wait): that one is ended, and ours started.
    if ! wineserver -p >/dev/null 2>&1 </dev/null; then
        end_wine
        wineserver -p >/dev/null 2>&1 </dev/null
    fi
    wineboot >/dev/null 2>&1 </dev/null
}

end_wine() {
    wineserver -k >/dev/null 2>&1 </dev/null || true
    wineserver -w >/dev/null 2>&1 </dev/null || true
}
