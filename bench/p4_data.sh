# Sourced by the benchmark scripts: sets $data to the 1,000,000 x 16 CSV in
# the workbench's "%.14f, " CRLF form under $work, generating it (fixed seed)
# when it is missing. Needs Debian's numpy.
data="$work/p4_forward.csv"
if ! dpkg-query -W -f='${Status}' python3-pandas 2>/dev/null | grep -q "install ok installed"; then
  apt-get install -y -qq python3-numpy python3-pandas >/dev/null
fi
if [ ! -f "$data" ]; then
  echo "generating $data" >&2
  /usr/bin/python3 - "$data" <<'PY'
import sys
import numpy as np
X = np.random.default_rng(404).uniform(-1.0, 1.0, (1_000_000, 16))
np.savetxt(sys.argv[1], X, fmt="%.14f", delimiter=", ", newline="\r\n")
PY
fi
