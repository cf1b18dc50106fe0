# The environment every Windows program of the tests runs in; sourced.
# Quiet Wine in a UTF-8 locale, without the Mono and Gecko installers; a
# program that crashes ends at once, not in a debugger waiting for a user;
# and no shortcut is copied into the Linux desktop's menus.
export WINEDEBUG=-all LC_ALL=C.UTF-8 \
  WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
