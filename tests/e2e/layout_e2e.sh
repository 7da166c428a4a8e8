# At QT_SCALE_FACTOR=2 the window is 544 × 508 and its images are drawn at 2x, not enlarged.
# (What the switches take off the height is the model's, tests/config/startup_test.cpp.)
source "$E2E_LIB"

# The detail of image $1: the RMS difference (0..1) from a copy halved and doubled again by $2
# (-resize: smoothly; -sample: by dropping and repeating pixels).
detail() {
    convert "$1" $2 50% $2 200% "$1-halved.png"
    compare -metric RMSE "$1" "$1-halved.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}
# Fails unless region $1 ("WxH+X+Y", even numbers) of $SHOT has by both measures at least
# twice the detail of the same region drawn at 1x and enlarged ($2 names it).
check_crisp() {
    local region="$E2E_DIR/region.png" enlarged="$E2E_DIR/enlarged.png" smooth sampled blurred
    convert "$SHOT" -crop "$1" +repage "$region" && convert "$region" -resize 50% -resize 200% "$enlarged"
    smooth=$(detail "$region" -resize) sampled=$(detail "$region" -sample) blurred=$(detail "$enlarged" -resize)
    e2e_log "$2: detail $smooth / $sampled (drawn at 1x and enlarged: $blurred)"
    awk -v s="$smooth" -v p="$sampled" -v b="$blurred" 'BEGIN {exit !(s >= 2*b && p >= 2*b && b > 0)}' ||
        e2e_fail "$2 is blurred at QT_SCALE_FACTOR=2"
}

QT_SCALE_FACTOR=2 start_program
read -r w h < <(e2e_window_size $MAIN_WIN)
[ "${w}x$h" = 544x508 ] || e2e_fail "at QT_SCALE_FACTOR=2 the window is ${w}x$h, not 544x508"
xdotool key ctrl+a
sleep 1.2 # a tick: every image drawn
SHOT="$E2E_DIR/scale2.png" && e2e_screenshot $MAIN_WIN "$SHOT"
# In device pixels from the top of the toolbar (below the menu bar): the toolbar, the frames'
# pictures and the analog dial.
top=$((h - 2 * 234))
check_crisp "${w}x56+0+$top" toolbar
check_crisp "64x64+176+$((top + 104))" "picture 'Stopky'"
check_crisp "64x64+176+$((top + 232))" "picture 'Maják'"
check_crisp "98x98+29+$((top + 131))" "analog dial"
e2e_log ok
