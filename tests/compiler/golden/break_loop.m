box1=5;
for box2=1:1:5,
   box3=box2;
break;
end;
box4=box3;
box5=box4
