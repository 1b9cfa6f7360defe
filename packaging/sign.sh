#!/usr/bin/env bash
# Authenticode-signs one Windows binary in place with osslsigncode.
#   sign.sh CERT.pem KEY.pem TIMESTAMP_URL|"" FILE
set -euo pipefail
cert=$1 key=$2 timestamp=$3 file=$4
args=(sign -certs "$cert" -key "$key" -h sha256 -n Lumarin -i https://www.huedisk.com)
[ -n "$timestamp" ] && args+=(-ts "$timestamp")
osslsigncode "${args[@]}" -in "$file" -out "$file.signed" >/dev/null
mv -f "$file.signed" "$file"
