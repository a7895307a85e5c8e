#!/usr/bin/env bash
# End to end: a level author's three steps. A real-looking level is imported
# (heights 250 m to 650 m above sea level), marvane_materials writes its
# gradients from rules in metres and degrees, and the painter paints it: the
# painted detail map must change from low to high ground where the rule
# says, and the shares the tool reported must be the painted ones.
# Usage: materials_test.sh MATERIALS IMPORT MARVANE [EMULATOR...]
set -u
materials=$1
importer=$2
marvane=$3
shift 3
emulator=("$@")   # empty natively; wine for the Windows build

source "$(dirname "${BASH_SOURCE[0]}")/test_lib.sh"

python=/usr/bin/python3
"$python" -c 'import PIL, numpy' 2>/dev/null ||
    { echo "SKIP: the test files are made and read with python3-pil and python3-numpy"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

run() {  # run PROGRAM ARGS...: sets status and out (stdout and stderr, no CR)
    "${emulator[@]}" "$@" >out.txt 2>&1
    status=$?
    out=$(tr -d '\r' <out.txt)
}

# Hills and valleys from 250 m to 650 m (PNG values times 0.01 m), steep
# enough in places for the slope rule to matter.
"$python" - <<'PY' || { echo "FAIL: the test model could not be made"; exit 1; }
import numpy as np
from PIL import Image
y, x = np.mgrid[0:257, 0:257].astype(np.float64)
h = 0.5 + 0.35 * np.sin(x / 23.0) * np.cos(y / 31.0) + 0.15 * np.sin((x + 2 * y) / 11.0)
h = (h - h.min()) / (h.max() - h.min())
Image.fromarray((25000 + h * 40000).round().astype(np.uint16)).save("dem.png")
PY

run "$importer" dem.png --level level --spacing 20 --vertical-scale 0.01
check "import: exit status" 0 "$status"
check "import: the base height recorded" "rem marvane.baseHeight primary 250" \
    "$(tr -d '\r' <level/Heightdata.con | grep '^rem marvane.baseHeight')"

cd level/paint || exit 1
printf '# grass below, dry grass above 450 m, rock on slopes\nhigh 450 m .. 500 m\nsteep 30 deg .. 40 deg\n' \
    >data/materials.txt
run "$materials" --rules
check "rules: exit status" 0 "$status"
report=$(grep -m1 '^Shares of the primary map: ' <<<"$out")
check "rules: the report's first line" yes \
    "$(grep -qE '^Shares of the primary map: low [0-9.]+ %, high [0-9.]+ %, steep [0-9.]+ %$' \
       <<<"$report" && echo yes)"
check "rules: heights counted from sea level" yes \
    "$(grep -q 'heights are metres above sea level' <<<"$out" && echo yes)"

run "$marvane" -mirror 0 -surround 0 -deltemps 0
check "paint: exit status" 0 "$status"

# The painted weights against the rule, texel by texel: where the ground is
# not steep at all, the high share is the rule's share at the height under
# the texel, to within one texel's height step (and a byte's rounding).
"$python" - "$report" <<'PY' >check.txt
import re, sys
import numpy as np
detail = open("detailbig.tga", "rb").read()
side = int.from_bytes(detail[12:14], "little")
pixels = np.frombuffer(detail, np.uint8, side * side * 3, 18).reshape(side, side, 3)
pixels = pixels[::-1].astype(np.float64)  # stored bottom row first: weight row S-1 first
steep, high, low = pixels[..., 0] / 255, pixels[..., 1] / 255, pixels[..., 2] / 255

reported = [float(v) for v in re.findall(r"[0-9.]+(?= %)", sys.argv[1])]
painted = [low.mean() * 100, high.mean() * 100, steep.mean() * 100]
worst = max(abs(a - b) for a, b in zip(reported, painted))
print("shares", "agree" if worst <= 0.5 else "differ by %.2f points" % worst)

settings = open("../Heightdata.con").read()
base = float(re.search(r"rem marvane\.baseHeight primary (\S+)", settings).group(1))
vertical = float(re.search(r"heightmap\.setScale \d+/(\S+)", settings).group(1))
n = int(re.search(r"heightmap\.setSize (\d+)", settings).group(1))
raw = np.fromfile("../HeightmapPrimary.raw", "<u2", n * n).reshape(n, n)
heights = raw.astype(np.float32) * np.float32(vertical)
step = np.float32((n - 1) / (side - 1))
coords = np.arange(side, dtype=np.float32) * step
cell = np.minimum(coords.astype(np.int64), n - 2)
frac = coords - cell
top = heights[cell][:, cell] + (heights[cell][:, cell + 1] - heights[cell][:, cell]) * frac
bottom = heights[cell + 1][:, cell] + (heights[cell + 1][:, cell + 1] - heights[cell + 1][:, cell]) * frac
under = base + top + (bottom - top) * frac[:, None]

texel_step = max(np.abs(np.diff(under, axis=0)).max(), np.abs(np.diff(under, axis=1)).max())
table_step = vertical * 65536 / 511
rule = np.clip((under - 450.0) / 50.0, 0, 1)
flat = steep == 0
error = np.abs(high[flat] / (high[flat] + low[flat]) - rule[flat])
allowed = (texel_step + table_step) / 50.0 + 2.0 / 255
print("band", "follows the rule" if error.max() <= allowed else
      "off by %.3f (allowed %.3f)" % (error.max(), allowed))
below = flat & (under < 450 - texel_step - table_step)
above = flat & (under > 500 + texel_step + table_step)
print("none below", int(pixels[..., 1][below].max()) if below.any() else "no texels")
print("all above", int(pixels[..., 2][above].max()) if above.any() else "no texels")
PY
check "painted shares match the reported ones" "shares agree" "$(sed -n 1p check.txt)"
check "high ground follows the height band" "band follows the rule" "$(sed -n 2p check.txt)"
check "no high ground below 450 m" "none below 0" "$(sed -n 3p check.txt)"
check "no low ground above 500 m" "all above 0" "$(sed -n 4p check.txt)"

# Rules that cannot be read: the line and what was expected, exit 2,
# nothing written.
cp data/grad_height.tga before.tga
printf 'high 450 m .. 500 m\nsteep 30 m .. 40 m\n' >data/materials.txt
run "$materials" --rules
check "bad rules: exit status" 2 "$status"
check "bad rules: the message" \
    'ERROR: data/materials.txt line 2: expected the unit "deg" after the slope, found "m" (slopes are in degrees, 0 level, 90 vertical)' \
    "$(head -n 1 <<<"$out")"
check "bad rules: nothing written" same "$(cmp -s before.tga data/grad_height.tga && echo same)"

# Rules that leave a material nowhere: written, with a warning that gives
# the level's heights.
printf 'high 900 m .. 950 m\nsteep 30 deg .. 40 deg\n' >data/materials.txt
run "$materials" --rules
check "no high ground: exit status" 0 "$status"
check "no high ground: warned with the level's heights" yes \
    "$(grep -q '^Warning: the rules leave high ground nowhere on the primary map; the level.s heights run from 250.0 m to 650.0 m' <<<"$out" && echo yes)"
# A photo that does not tile (a slope of colour with grain) as the low
# ground's texture: it repeats without a seam, in the texture and on the
# painted map, by the mean colour step across the wrap edge against the mean
# step between neighbours inside (at most 1.5 times).
"$python" - <<'PY'
import numpy as np
from PIL import Image
y, x = np.mgrid[0:768, 0:1024].astype(np.float64)
grain = np.random.RandomState(3).uniform(-12, 12, (768, 1024, 1))
rgb = np.stack([60 + x / 8, 90 + y / 6, 40 + (x + y) / 20], axis=2) + grain
Image.fromarray(rgb.clip(0, 255).astype(np.uint8)).save("photo.jpg", quality=92)
PY
printf 'high 0\nsteep 0\n' >data/materials.txt
run "$materials" --rules --low photo.jpg --ground-size 1280
check "photo: exit status" 0 "$status"
check "photo: said what became of it" yes \
    "$(grep -q '^Written: data/low.tga from photo.jpg' <<<"$out" && echo yes)"
run "$marvane" -mirror 0 -surround 0 -deltemps 0
check "photo: painted" 0 "$status"
"$python" - <<'PY' >seams.txt
import numpy as np
def steps(path, period):
    data = open(path, "rb").read()
    side = int.from_bytes(data[12:14], "little")
    p = np.frombuffer(data, np.uint8, side * side * 3, 18).reshape(side, side, 3).astype(np.int32)
    across = np.abs(np.diff(p, axis=1)).mean(axis=2)  # step from column x to x + 1
    down = np.abs(np.diff(p, axis=0)).mean(axis=2)
    if period == side:  # a texture: its wrap edges are where it meets its next copy
        seam = np.concatenate([np.abs(p[:, -1] - p[:, 0]).mean(axis=1),
                               np.abs(p[-1] - p[0]).mean(axis=1)]).mean()
        inside = np.concatenate([across.ravel(), down.ravel()]).mean()
    else:  # a map: the steps from one repetition to the next
        at = np.arange(period - 1, side - 1, period)
        seam = np.concatenate([across[:, at].ravel(), down[at].ravel()]).mean()
        inside = np.concatenate([np.delete(across, at, axis=1).ravel(),
                                 np.delete(down, at, axis=0).ravel()]).mean()
    return "%s seam %.2f inside %.2f: %s" % (path, seam, inside, "ok" if seam <= 1.5 * inside else "SEAM")
print(steps("data/low.tga", 512))
print(steps("colourbig.tga", 512))
PY
cat seams.txt
check "photo: the texture repeats without a seam" ok "$(sed -n 1p seams.txt | sed 's/.*: //')"
check "photo: the painted map has no seam every 512 texels" ok "$(sed -n 2p seams.txt | sed 's/.*: //')"

# --check names what is wrong, and a picture that is no picture is refused
# with nothing written.
cp data/low.tga before.tga
printf 'not a picture' >notes.jpg
run "$materials" --low notes.jpg
check "not a picture: exit status" 1 "$status"
check "not a picture: named" yes "$(grep -q '^ERROR: notes.jpg: ' <<<"$out" && echo yes)"
check "not a picture: nothing written" same "$(cmp -s before.tga data/low.tga && echo same)"
cp photo.jpg data/high.tga
run "$materials" --check
check "check: exit status" 1 "$status"
check "check: the renamed photo named" yes \
    "$(grep -A1 '^data/high.tga: refused' <<<"$out" | grep -q 'JPEG' && echo yes)"
finish
