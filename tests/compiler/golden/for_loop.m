box1=3;
for box2=1:1:10,
   box3=cos(box2);
end;
box4=box3;
box5=box4
