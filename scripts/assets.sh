#!/usr/bin/env bash
# Regenerates the data files made by the tools.
echo "No asset generators yet."
