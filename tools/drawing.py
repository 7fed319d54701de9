"""What the art scripts share: the even-odd polygon test and the sub-sampling of each pixel
that smooths the edges."""

SUB = 4  # sub-samples per pixel and axis


def inside(poly, x, y):
    """Even-odd test of point (x, y) against a polygon given in pixel units."""
    result = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result
