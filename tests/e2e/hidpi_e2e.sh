# HiDPI: at QT_SCALE_FACTOR=2 the main window is exactly twice its normal size (the layout
# keeps its proportions), and the images (toolbar, the pictures in the two frames, the
# analog dial) are drawn at the doubled resolution, not drawn at 1x and enlarged.
source "$E2E_LIB"

# Ends the running program at once with Ctrl+Alt+F4 (Xvfb swallows the press of the
# virtual terminal switch; the release comes through).
end_program() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
    xdotool keydown ctrl keydown alt keydown F4
    xdotool keyup F4 keyup alt keyup ctrl
    e2e_wait_exit || e2e_fail "the program did not end on Ctrl+Alt+F4"
}

# Detail that a region of the image has at its own resolution: the RMS difference (0..1)
# between the region and a copy halved and doubled again, smoothly (-resize) or by
# dropping and repeating pixels (-sample; offsets and sizes are even). A region drawn at
# half the resolution and enlarged, smoothly or pixel by pixel, has almost none by one
# measure or the other.
detail() {
    local img=$1 geometry=$2 op=$3 region="$E2E_DIR/region.png"
    convert "$img" -crop "$geometry" +repage "$region"
    convert "$region" "$op" 50% "$op" 200% "$E2E_DIR/halved.png"
    compare -metric RMSE "$region" "$E2E_DIR/halved.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}

# Fails unless region $2 of image $1 has, by both measures, at least twice the detail of
# the same region drawn at half resolution and enlarged smoothly.
check_crisp() {
    local img=$1 geometry=$2 what=$3 smooth sampled blurred
    smooth=$(detail "$img" "$geometry" -resize)
    sampled=$(detail "$img" "$geometry" -sample)
    convert "$img" -crop "$geometry" +repage -resize 50% -resize 200% "$E2E_DIR/sim.png"
    blurred=$(detail "$E2E_DIR/sim.png" "${geometry%%+*}+0+0" -resize)
    e2e_log "$what: detail $smooth / $sampled (drawn at 1x and enlarged: $blurred)"
    awk -v s="$smooth" -v p="$sampled" -v b="$blurred" 'BEGIN {exit !(s >= 2 * b && p >= 2 * b && b > 0)}' ||
        e2e_fail "$what is blurred at QT_SCALE_FACTOR=2 (detail $smooth / $sampled, 1x enlarged $blurred)"
}

e2e_start
main=$(e2e_wait_window '^Tikanda 1\.3$') || e2e_fail "the main window did not appear"
read -r w1 h1 < <(e2e_window_size "$main")
end_program "$main"

QT_SCALE_FACTOR=2 e2e_start
main=$(e2e_wait_window '^Tikanda 1\.3$') || e2e_fail "the main window did not appear at scale 2"
read -r w2 h2 < <(e2e_window_size "$main")
e2e_log "main window ${w1}x${h1}, at scale 2 ${w2}x${h2}"
[ "$w2" -eq $((2 * w1)) ] && [ "$h2" -eq $((2 * h1)) ] ||
    e2e_fail "at scale 2 the window is ${w2}x${h2}, not twice ${w1}x${h1}"

# Places in device pixels at scale 2 (twips / 15 * 2): the client area is 234 px high
# below the menu bar at scale 1; the toolbar is the 28 px below the menu bar, the frames'
# pictures are 32 px squares at (88, 52) and (88, 116), and the dial a 49 px square at
# (14.7, 65.7), counted from the top of the toolbar.
top=$((h2 - 2 * 234))
sleep 1.2
e2e_screenshot "$main" "$E2E_DIR/scale2.png"
check_crisp "$E2E_DIR/scale2.png" "${w2}x56+0+$top" "toolbar"
check_crisp "$E2E_DIR/scale2.png" "64x64+176+$((top + 104))" "picture 'Stopky'"
check_crisp "$E2E_DIR/scale2.png" "64x64+176+$((top + 232))" "picture 'Majak'"
e2e_keys "$main" ctrl+a
sleep 1.2
e2e_screenshot "$main" "$E2E_DIR/scale2-analog.png"
check_crisp "$E2E_DIR/scale2-analog.png" "98x98+29+$((top + 131))" "analog dial"
end_program "$main"
e2e_log "ok"
