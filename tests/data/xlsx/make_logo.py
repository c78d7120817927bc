#!/usr/bin/python3
"""Draws the small logo image that the workbook templates carry (logo.png beside this script)."""
from pathlib import Path

from PIL import Image, ImageDraw


def make_logo(path: Path) -> None:
    image = Image.new("RGB", (96, 48), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    draw.rectangle([2, 2, 93, 45], outline=(0, 70, 140), width=3)
    draw.polygon([(12, 38), (30, 10), (48, 38)], fill=(0, 110, 200))
    draw.ellipse([56, 12, 82, 38], fill=(220, 40, 40))
    image.save(path)


if __name__ == "__main__":
    make_logo(Path(__file__).with_name("logo.png"))
