#!/usr/bin/env bash
# Runs the benchmarks and prints their summary of ratios.
echo "No benchmarks yet."
