# Window sizes: NOMENU takes the menu bar (20 px) off the window's height, NOBAR the toolbar
# (28 px), both 48 px; at QT_SCALE_FACTOR=2 the window is exactly 544 × 508 and its images
# are drawn at the doubled resolution, not drawn at 1x and enlarged.
source "$E2E_LIB"

start_program
read -r w0 h0 < <(e2e_window_size $MAIN_WIN)
stop_program
[ "$w0" -eq 272 ] || e2e_fail "the window is $w0 px wide, not 272"
while read -r less args; do
    start_program $args
    read -r w h < <(e2e_window_size $MAIN_WIN)
    stop_program
    e2e_log "$args: ${w}x$h, normally ${w0}x$h0"
    [ "$w $((h0 - h))" = "272 $less" ] || e2e_fail "$args: ${w}x$h, not 272x$((h0 - less))"
done <<'EOF'
20 NOMENU
28 NOBAR
48 xnomenux,nobar!
EOF

# The detail that region $2 of image $1 has at its own resolution: the RMS difference (0..1)
# from a copy halved and doubled again by $3 (-resize: smoothly; -sample: by dropping and
# repeating pixels). A region drawn at half resolution and enlarged has almost none.
detail() {
    convert "$1" -crop "$2" +repage "$E2E_DIR/region.png"
    convert "$E2E_DIR/region.png" $3 50% $3 200% "$E2E_DIR/halved.png"
    compare -metric RMSE "$E2E_DIR/region.png" "$E2E_DIR/halved.png" null: 2>&1 |
        sed -n 's/.*(\(.*\)).*/\1/p'
}
# Fails unless region $2 ("WxH+X+Y", even numbers) of the screenshot has by both measures
# at least twice the detail of the same region drawn at 1x and enlarged ($3 names it).
check_crisp() {
    local smooth sampled blurred
    smooth=$(detail "$SHOT" "$1" -resize) && sampled=$(detail "$SHOT" "$1" -sample)
    convert "$SHOT" -crop "$1" +repage -resize 50% -resize 200% "$E2E_DIR/enlarged.png"
    blurred=$(detail "$E2E_DIR/enlarged.png" "${1%%+*}+0+0" -resize)
    e2e_log "$2: detail $smooth / $sampled (drawn at 1x and enlarged: $blurred)"
    awk -v s="$smooth" -v p="$sampled" -v b="$blurred" 'BEGIN {exit !(s >= 2*b && p >= 2*b && b > 0)}' ||
        e2e_fail "$2 is blurred at QT_SCALE_FACTOR=2"
}

QT_SCALE_FACTOR=2 start_program
read -r w h < <(e2e_window_size $MAIN_WIN)
[ "${w}x$h" = 544x508 ] || e2e_fail "at QT_SCALE_FACTOR=2 the window is ${w}x$h, not 544x508"
# In device pixels (twips / 15 * 2) from the top of the toolbar, below the menu bar: the
# toolbar 56 px high, the frames' pictures 64 px squares at (176, 104) and (176, 232), the
# analog dial a 98 px square at (29, 131).
top=$((h - 2 * 234))
sleep 1.2 # a tick: every image drawn
SHOT="$E2E_DIR/scale2.png" && e2e_screenshot $MAIN_WIN "$SHOT"
check_crisp "${w}x56+0+$top" toolbar
check_crisp "64x64+176+$((top + 104))" "picture 'Stopky'"
check_crisp "64x64+176+$((top + 232))" "picture 'Maják'"
xdotool key ctrl+a
sleep 1.2
SHOT="$E2E_DIR/scale2-analog.png" && e2e_screenshot $MAIN_WIN "$SHOT"
check_crisp "98x98+29+$((top + 131))" "analog dial"
e2e_log ok
