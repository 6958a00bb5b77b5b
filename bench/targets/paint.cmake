pelorin_benchmark(paint DEPS pelorin_paint)
