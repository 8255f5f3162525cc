#!/usr/bin/env bash
# A person chooses "优酷", clicks "一键拦截", accepts the message and closes
# the window; the prefix's hosts file then holds its original bytes followed by
# the 15-line list, and the tool has ended after running its exit routine once.
source "$(dirname "$0")/common.sh"

original=$(mktemp "$BUILD/hosts-orig.XXXXXX")
cp "$HOSTS" "$original"
had_backup=0; [ -e "$HOSTS.bak" ] && had_backup=1
cleanup() {
  stop_tool
  cp "$original" "$HOSTS"; rm -f "$original"
  [ $had_backup = 1 ] || rm -f "$HOSTS.bak"
}
trap cleanup EXIT

start_tool
click_client 40 95      # "优酷" (the first click may only activate the window)
click_client 40 95
click_client 248 93     # "一键拦截"
box=$(wait_window "友情提醒" 30) || fail "no success message"
xdotool mousemove --window "$box" 10 10 click 1 key Return
sleep 1

expected=$(mktemp "$BUILD/hosts-expected.XXXXXX")
cat "$original" > "$expected"
if [ -s "$original" ] && [ "$(tail -c1 "$original" | od -An -tx1 | tr -d " \n")" != "0a" ]; then printf '\r\n' >> "$expected"; fi
printf '%s\r\n' \
  "127.0.0.1 atm.youku.com " "127.0.0.1 fvid.atm.youku.com " "127.0.0.1 html.atm.youku.com " \
  "127.0.0.1 valb.atm.youku.com " "127.0.0.1 valf.atm.youku.com " "127.0.0.1 valo.atm.youku.com " \
  "127.0.0.1 valp.atm.youku.com " "127.0.0.1 Lstat.youku.com " "127.0.0.1 speed.lstat.youku.com " \
  "127.0.0.1 urchin.lstat.youku.com " "127.0.0.1 stat.youku.com " "127.0.0.1 static.lstat.youku.com " \
  "127.0.0.1 valc.atm.youku.com " "127.0.0.1 vid.atm.youku.com " >> "$expected"
printf '%s' "127.0.0.1 walp.atm.youku.com " >> "$expected"
if ! cmp -s "$expected" "$HOSTS"; then
  echo "expected:"; od -c "$expected" | tail -n 5; echo "actual:"; od -c "$HOSTS" | tail -n 5
  rm -f "$expected"; fail "the hosts file is not the original followed by the list"
fi
rm -f "$expected"
cmp -s "$original" "$HOSTS.bak" || [ $had_backup = 1 ] || fail "hosts.bak does not hold the untouched file"

# Close the window as a person would: the caption's close button (the
# rightmost one); Alt+F4 on the window body closes it the system's way.
click_client 272 9
if ! wait_tool_exit 10; then
  click_client 200 170
  xdotool key alt+F4
  wait_tool_exit 30 || fail "the tool did not end after its window was closed"
fi
count=$(grep -c "exit routine finished" "$TOOL_LOG" || true)
[ "$count" = 1 ] || { cat "$TOOL_LOG" | tail -n 20; fail "exit routine ran $count times"; }
echo "PASS"
